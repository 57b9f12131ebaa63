// Removing controls while other code still holds them: a worker reading rows, a handler whose
// control goes away under it. Removed controls are destroyed later, on the window thread.
#include <windows.h>

#include <atomic>
#include <string>

#include "device_window_fixture.h"

namespace {

std::atomic<int> destroyedRows{0};

// A macro action row that counts its destruction.
class CountedRow : public CListContainerElementUI {
 public:
  ~CountedRow() override { ++destroyedRows; }
};

CountedRow* NewActionRow(int number) {
  auto* row = new CountedRow;
  row->SetFixedHeight(30);
  row->SetUserData((L"0,0,10," + std::to_wstring(number) + L",1,key").c_str());
  for (const wchar_t* text : {L"Key", L"down", L"10"}) {
    auto* cell = new CLabelUI;
    cell->SetText(text);
    row->Add(cell);
  }
  return row;
}

struct Reader {
  CListUI* list;
  std::atomic<bool> stop{false};
  std::atomic<long> reads{0};
};

// Reads the rows the way a page's worker does: by index, then the row's data and a cell's text.
DWORD WINAPI ReadRows(void* parameter) {
  auto* reader = static_cast<Reader*>(parameter);
  while (!reader->stop) {
    for (int i = 0; i < reader->list->GetCount(); ++i) {
      auto* row = static_cast<CContainerUI*>(reader->list->GetItemAt(i));
      if (!row) continue;
      CDuiString data = row->GetUserData();
      CControlUI* cell = row->GetItemAt(1);
      CDuiString state = cell ? cell->GetText() : CDuiString();
      if (!data.IsEmpty() && !state.IsEmpty()) ++reader->reads;
    }
  }
  return 0;
}

class RemovalTest : public DeviceWindowTest {
 protected:
  void SetUp() override {
    DeviceWindowTest::SetUp();
    CPaintManagerUI::SetRemovedControlGrace(200);
    destroyedRows = 0;
  }
  void TearDown() override {
    CPaintManagerUI::SetRemovedControlGrace(2000);
    DeviceWindowTest::TearDown();
  }

  // Runs the window's messages for a while: the removed controls' time runs out.
  void PumpFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
      PumpMessages(20);
      Sleep(5);
    }
  }
};

TEST_F(RemovalTest, RowsRemovedOnTheWindowThreadWhileAWorkerReadsThem) {
  auto* list = window->Find<CListExUI>(L"macro_list");
  int made = 0;
  for (; made < 20; ++made) list->Add(NewActionRow(made));
  Reader reader{list};
  HANDLE worker = CreateThread(nullptr, 0, ReadRows, &reader, 0, nullptr);
  ASSERT_NE(worker, nullptr);
  // Many rounds of what the macro pages do: delete one row, move another, rebuild all.
  for (int round = 0; round < 300; ++round) {
    list->RemoveAt(round % list->GetCount());
    list->AddAt(NewActionRow(made++), round % 7);
    if (round % 50 == 49) {
      list->RemoveAll();
      for (int i = 0; i < 20; ++i) list->Add(NewActionRow(made++));
    }
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages(5);
  }
  reader.stop = true;
  ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0);
  CloseHandle(worker);
  EXPECT_GT(reader.reads.load(), 0);
  PumpFor(600);
  EXPECT_EQ(destroyedRows.load(), made - list->GetCount()) << "every removed row is destroyed in the end";
}

TEST_F(RemovalTest, ControlRemovedByItsOwnClickHandlerLivesUntilTheDispatchIsOver) {
  auto* bullets = window->Find<CContainerUI>(L"bullets");
  bullets->Add(new CountedRow);  // counts for the part the handler takes away
  CControlUI* clicked = window->Find<CControlUI>(L"bullet_2");
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType != CDuiString(L"click") || msg.pSender != clicked) return;
    auto* parent = static_cast<CContainerUI*>(bullets->GetParent());
    parent->Remove(bullets);  // the clicked option goes with it, while its click is on the stack
  };
  window->Click(L"bullet_2");
  EXPECT_EQ(window->Find<CControlUI>(L"bullet_2"), nullptr) << "out of the tree at once";
  EXPECT_TRUE(window->LogOf(L"selectchanged").empty()) << "a removed option notifies nothing";
  EXPECT_EQ(destroyedRows.load(), 0);
  PumpFor(600);
  EXPECT_EQ(destroyedRows.load(), 1) << "destroyed on the window thread afterwards";
}

}  // namespace
