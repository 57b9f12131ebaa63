#include <gtest/gtest.h>

#include "file_dialogs.h"

TEST(FileDialogs, BarSeparatedFiltersBecomeZeroSeparatedLists) {
  EXPECT_EQ(WindowsDialogFilter(L"(*.png) | *.png |(*.*)|*.*||"),
            std::wstring(L"(*.png) \0 *.png \0(*.*)\0*.*\0\0", 28));
  EXPECT_EQ(WindowsDialogFilter(L"(*.mac)|*.mac"), std::wstring(L"(*.mac)\0*.mac\0\0", 15));
}

TEST(FileDialogs, ATestChooserAnswersInsteadOfTheDialog) {
  FileDialogRequest asked{};
  AnswerFileDialogsWith([&](const FileDialogRequest& request) {
    asked = request;
    return std::wstring(L"C:\\chosen.png");
  });
  EXPECT_EQ(ShowFileDialog({true, nullptr, L"png", L"*.png", 6, L"(*.png)|*.png||"}), L"C:\\chosen.png");
  EXPECT_TRUE(asked.open);
  EXPECT_EQ(asked.defaultExtension, L"png");
  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(); });
  EXPECT_EQ(ShowFileDialog({false, nullptr, L"", L"", 0, L""}), L"") << "cancelled";
  AnswerFileDialogsWith(nullptr);
}
