// Each test starts the program as a user finds it (start-up up to the start page)
// and ends it with the exit steps.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "app/Program.h"
#include "app/Start1Window.h"
#include "app/Start1aWindow.h"
#include "app/Start2Window.h"
#include "app/Start3Window.h"
#include "engine/Globals.h"
#include "framework/Window.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override { app::StartUp(); }
  void TearDown() override { app::Finalize(); }

  static Start2Window& FluidWindow() {
    fw::ShowWindow<Start1aWindow>();
    return fw::ShowWindow<Start2Window>();
  }

  // Types a fraction into the entry field of `component`, replacing what was there.
  static void Type(Start2Window& fluid, int component, const QString& text) {
    fw::EditField& field = fluid.Field(Start2Window::FieldName(component));
    field.selectAll();
    field.del();
    QTest::keyClicks(&field, text);
  }

  static QString SumText(const Start2Window& fluid) { return fluid.Label("Sum").Text(); }

  static void Continue(Start2Window& fluid) { fluid.ButtonOf("continue2").Press(); }
};
