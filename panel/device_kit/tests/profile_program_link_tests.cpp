// Program links of a named profile list: at most one profile of a list per program.
#include "profile_list_fixture.h"

namespace {
using Names = std::vector<std::wstring>;

struct ProfileLinkFixture : ProfileListFixture {
  void Link(int index, const std::wstring& program) {
    SetEntry(L"LIKEEXE", std::to_wstring(index), L"1");
    SetEntry(L"PROCESS", std::to_wstring(index), program);
  }
  void ExpectUnlinked(int index) {
    EXPECT_EQ(Entry(L"LIKEEXE", std::to_wstring(index)), L"0");
    EXPECT_EQ(Entry(L"PROCESS", std::to_wstring(index)), L"") << "stored as one blank, read back without it";
  }
  // The user checks the link box and the dialog answers `program` (empty: cancelled).
  void CheckLinkBox(const std::wstring& program) {
    view.dialogAnswers = {program};
    view.SetLinkChecked(true, true);
  }
};

TEST_F(ProfileLinkFixture, CheckingTheBoxLinksTheSelectedProfileToTheChosenProgram) {
  Given({L"A", L"B"}, 1);
  CheckLinkBox(L"C:\\Games\\Game.exe");
  EXPECT_EQ(Entry(L"LIKEEXE", L"1"), L"1");
  EXPECT_EQ(Entry(L"PROCESS", L"1"), L"C:\\Games\\Game.exe");
  EXPECT_EQ(view.linkText, L"Game.exe");
  EXPECT_TRUE(view.linkChecked);
  EXPECT_TRUE(view.linkRowShown);
  ASSERT_EQ(view.dialogs.size(), 1u);
  EXPECT_EQ(view.dialogs[0].defaultExtension, L"exe");
  EXPECT_EQ(view.dialogs[0].fileName, L"*.exe");
  EXPECT_EQ(view.dialogs[0].filter, L"(*.exe) | *.exe||");
}

TEST_F(ProfileLinkFixture, AProgramLinkedInTheListIsRefusedEvenInAnotherCase) {
  for (const wchar_t* chosen : {L"C:\\Games\\Game.exe", L"c:\\GAMES\\game.EXE"}) {
    Given({L"A", L"B", L"C"}, 2);
    Link(0, L"C:\\Games\\Game.exe");
    view.messages.clear();
    CheckLinkBox(chosen);
    EXPECT_EQ(view.messages, Names{L"message_text_13"}) << chosen;
    EXPECT_FALSE(view.linkChecked);
    ExpectUnlinked(2);
    EXPECT_EQ(Entry(L"LIKEEXE", L"0"), L"1") << "the other profile keeps its link";
    view.items.clear();
    view.selected = -1;
  }
}

TEST_F(ProfileLinkFixture, TheSameProgramMayBeLinkedInAnotherList) {
  NamedProfileListParams otherParams = TestListParams(L"LIKEOTHEREXE", L"OTHERPROCESS");
  FakeProfileListView otherView;
  NamedProfileList other(otherParams, hooks, folder.path(), otherView);
  otherView.onLinkChanged = [&] { other.ToggleLink(); };
  otherView.AppendItem(L"X", ProfileListView::ItemOrigin::Filled);
  otherView.selected = 0;
  Given({L"A"}, 0);
  Link(0, L"C:\\Games\\Game.exe");
  otherView.dialogAnswers = {L"C:\\Games\\Game.exe"};
  otherView.SetLinkChecked(true, true);
  EXPECT_TRUE(otherView.messages.empty());
  EXPECT_EQ(Entry(L"LIKEOTHEREXE", L"0"), L"1");
  EXPECT_EQ(Entry(L"OTHERPROCESS", L"0"), L"C:\\Games\\Game.exe");
}

TEST_F(ProfileLinkFixture, BrowsingToTheProfilesOwnProgramUnlinksIt) {
  Link(0, L"C:\\Games\\Game.exe");
  Given({L"A"}, 0);
  ASSERT_TRUE(view.linkChecked) << "Select shows the link";
  EXPECT_EQ(view.linkText, L"Game.exe");
  view.dialogAnswers = {L"C:\\Games\\Game.exe"};
  view.duringDialog = [&] { EXPECT_FALSE(view.browseEnabled); };
  list.BrowseLink();
  EXPECT_EQ(view.messages, Names{L"message_text_13"});
  EXPECT_FALSE(view.linkChecked);
  ExpectUnlinked(0);
  EXPECT_TRUE(view.browseEnabled);
}

TEST_F(ProfileLinkFixture, CancelledDialogs) {
  Given({L"A"}, 0);
  CheckLinkBox(L"");
  EXPECT_FALSE(view.linkChecked) << "a cancelled check leaves the profile unlinked";
  ExpectUnlinked(0);
  Link(0, L"C:\\Games\\Game.exe");
  list.BrowseLink();
  EXPECT_EQ(Entry(L"PROCESS", L"0"), L"C:\\Games\\Game.exe") << "a cancelled browse keeps the link";
  EXPECT_TRUE(view.browseEnabled);
}

TEST_F(ProfileLinkFixture, SelectingAnUnlinkedProfileAfterALinkedOneClearsItsEntries) {
  Link(0, L"C:\\Games\\Game.exe");
  SetEntry(L"LIKEEXE", L"1", L"0");
  SetEntry(L"PROCESS", L"1", L"C:\\stale.exe");
  Given({L"A", L"B"}, 0);
  ASSERT_TRUE(view.linkChecked);
  int boxNotifications = 0;
  view.onLinkChanged = [&] { ++boxNotifications; };
  view.SelectIndex(1);
  EXPECT_EQ(boxNotifications, 0) << "no route of the user's own change of the box runs";
  EXPECT_FALSE(view.linkChecked);
  EXPECT_EQ(view.linkText, L" ");
  EXPECT_TRUE(view.linkRowShown);
  ExpectUnlinked(1);
  EXPECT_EQ(Entry(L"LIKEEXE", L"0"), L"1");
}

TEST_F(ProfileLinkFixture, CancelLinkClearsTheSelectedProfilesLink) {
  Link(1, L"C:\\Games\\Game.exe");
  Given({L"A", L"B"}, 1);
  list.CancelLink();
  EXPECT_FALSE(view.linkChecked);
  EXPECT_TRUE(view.linkRowShown);
  ExpectUnlinked(1);
}

TEST_F(ProfileLinkFixture, WithoutASelectedProfileTheLinkOperationsWriteNothing) {
  Given({L"A"}, 0);
  view.selected = -1;
  const std::vector<unsigned char> before = ReadBytes(IndexFile());
  view.dialogAnswers = {L"C:\\Games\\Game.exe", L"C:\\Games\\Game.exe"};
  view.linkChecked = true;
  list.ToggleLink();
  list.BrowseLink();
  list.CancelLink();
  EXPECT_EQ(ReadBytes(IndexFile()), before);
  EXPECT_EQ(Entry(L"LIKEEXE", L"-1"), L"<none>");
}

}  // namespace
