// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For a test of the Spanish wording itself: Spanish for its scope, whatever the run's language.
#include "core/idioma.h"

namespace tya::prueba {

class EnEspanol {
public:
    EnEspanol() : antes_(idioma_actual()) { instalar_idioma(QStringLiteral("es")); }
    ~EnEspanol() { instalar_idioma(antes_); }
    EnEspanol(const EnEspanol&) = delete;
    EnEspanol& operator=(const EnEspanol&) = delete;

private:
    QString antes_;
};

}  // namespace tya::prueba
