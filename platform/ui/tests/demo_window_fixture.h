#pragma once
#include <gtest/gtest.h>

#include "demo_window.h"

// A fresh demo window on the test's thread, in English, painted once.
class DemoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseDemoSkin();
    window = new DemoWindow;
    window->Open();
    ASSERT_TRUE(IsWindow(window->GetHWND()));
    window->ClearLog();
  }
  void TearDown() override {
    if (IsWindow(window->GetHWND())) DestroyWindow(window->GetHWND());
    delete window;
    CResourceManager::GetInstance()->SetLanguage(L"en");
    CResourceManager::GetInstance()->LoadLanguage(L"lan_en.xml");
  }
  COptionUI* Option(const wchar_t* name) { return window->Find<COptionUI>(name); }

  DemoWindow* window = nullptr;
};
