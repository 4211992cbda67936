// SPDX-License-Identifier: GPL-3.0-or-later
// Leak reports the fuzz targets pass over.
extern "C" const char* __lsan_default_suppressions() {
    // Fontconfig keeps 288 bytes of its configuration until exit and never frees them.
    return "leak:libfontconfig.so\n";
}
