#pragma once
// A named profile list of 8-byte payloads over a fake page, with its index file and payload files
// in a folder of its own.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fake_profile_list_view.h"
#include "ini_values.h"
#include "named_profile_list.h"
#include "profile_store.h"
#include "test_files.h"

using Payload = std::vector<uint8_t>;

inline NamedProfileListParams TestListParams(const wchar_t* flagSection = L"LIKEEXE", const wchar_t* pathSection = L"PROCESS") {
  NamedProfileListParams params{};
  params.indexFile = L"test.ini";
  params.countSection = L"COUNT";
  params.nameSection = L"NAME";
  params.selectionSection = L"SELECT";
  params.linkFlagSection = flagSection;
  params.linkPathSection = pathSection;
  params.newNamePrefix = L"Profile ";
  params.extension = L".tp";
  params.fileFilter = L"(*.tp) | *.tp ||";
  params.format = BinaryProfilePayloads(8, PROFILE_KIND_KEYBOARD);
  return params;
}

struct ProfileListFixture : ::testing::Test {
  TempFolder folder;
  TempFolder program;  // where the factory file lies, as the program's folder holds it
  NamedProfileListParams params = TestListParams();
  NamedProfileListHooks hooks;
  FakeProfileListView view;
  NamedProfileList list{params, hooks, folder.path(), view};
  std::vector<int> applied;
  std::vector<Payload> taken, resets;

  const Payload factory{1, 2, 3, 4, 5, 6, 7, 8};

  ProfileListFixture() {
    hooks.factoryFile = [this] { return program / L"factory.tp"; };
    hooks.takeNewPayload = [this](const Payload& payload) { taken.push_back(payload); };
    hooks.apply = [this](int index) { applied.push_back(index); };
    hooks.reset = [this](const Payload& payload) { resets.push_back(payload); };
    view.onItemSelect = [this] { list.Select(); };
    view.onLinkChanged = [this] { list.ToggleLink(); };
    WriteProfileFile(hooks.factoryFile(), factory.data(), factory.size(), PROFILE_KIND_KEYBOARD);
  }

  std::wstring IndexFile() const { return folder / L"test.ini"; }
  std::wstring Entry(const wchar_t* section, const std::wstring& key) const {
    return ReadIniText(IndexFile(), section, key, L"<none>");
  }
  void SetEntry(const wchar_t* section, const std::wstring& key, const std::wstring& value) const {
    WriteIniText(IndexFile(), section, key, value);
  }
  void WriteProfile(const std::wstring& name, const Payload& payload) const {
    WriteProfileFile(folder / (name + L".tp"), payload.data(), payload.size(), PROFILE_KIND_KEYBOARD);
  }
  // The payload after the header; empty when the file is missing.
  Payload ProfilePayload(const std::wstring& name) const {
    const std::vector<unsigned char> bytes = ReadBytes(folder / (name + L".tp"));
    return bytes.size() < 16 ? Payload{} : Payload(bytes.begin() + 16, bytes.end());
  }
  static Payload PayloadOf(uint8_t value) { return Payload(8, value); }

  // A stored list of these names, each with a payload file of its position plus 10, filled into
  // the view and with the given profile selected (its Select run).
  void Given(const std::vector<std::wstring>& names, int selectedIndex = 0) {
    SetEntry(L"COUNT", L"count", std::to_wstring(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
      SetEntry(L"NAME", std::to_wstring(i), names[i]);
      WriteProfile(names[i], PayloadOf(static_cast<uint8_t>(10 + i)));
    }
    ASSERT_TRUE(list.Fill());
    view.SelectIndex(selectedIndex);
    applied.clear();
  }
};
