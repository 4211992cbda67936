// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A GUI application for the whole test binary: the text the graphs print needs its fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace tya::prueba {

struct ConAplicacion : testing::Environment {
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }
    int argc_ = 1;
    char nombre_[8] = "pruebas";
    char* argv_[2] = {nombre_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// Inline, so a binary that includes this in several files still starts one application.
inline testing::Environment* const kAplicacion = testing::AddGlobalTestEnvironment(new ConAplicacion);

}  // namespace tya::prueba
