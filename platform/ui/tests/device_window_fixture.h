#pragma once
#include <gtest/gtest.h>

#include "device_window.h"

// A fresh device window on the test's thread.
class DeviceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = OpenDeviceWindow();
    ASSERT_TRUE(IsWindow(window->GetHWND()));
  }
  void TearDown() override {
    if (IsWindow(window->GetHWND())) DestroyWindow(window->GetHWND());
    delete window;
  }
  COptionUI* Option(const wchar_t* name) { return window->Find<COptionUI>(name); }

  DemoWindow* window = nullptr;
};
