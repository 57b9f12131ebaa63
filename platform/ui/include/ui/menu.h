#pragma once
#include <map>
#include <string>

#include "ui/list.h"
#include "ui/window_impl_base.h"

// Posted to the menu's owner window when an item is chosen; wParam is a MenuCommandRecord.
constexpr UINT UI_WM_MENUCOMMAND = 0x479;

// The chosen item. The library allocates and tracks each record; the receiver frees it with
// CPaintManagerUI::DeletePtr, which refuses any pointer the library did not hand out (or already
// took back). Texts are cut to fit and always end with a 0.
struct MenuCommandRecord {
  wchar_t name[256];
  wchar_t userData[1024];
  wchar_t text[1024];
  BOOL checked;
};

// Where a menu lies relative to its point: Left puts its right edge at the point, Top its bottom
// edge; otherwise it opens to the right and downwards.
enum MenuAlignment {
  eMenuAlignment_Left = 1 << 1,
  eMenuAlignment_Top = 1 << 2,
  eMenuAlignment_Right = 1 << 3,
  eMenuAlignment_Bottom = 1 << 4,
};

// An item of a menu; a release over it chooses it. "checked" shows a mark.
class CMenuElementUI : public CListLabelElementUI {
 public:
  LPCTSTR GetClass() const override;
  bool GetChecked() const;
  void SetChecked(bool checked);
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void DoEvent(TEventUI& event) override;

 protected:
  void PaintTexts(HDC dc, const ListItemLook& look) override;

 private:
  bool checked_ = false;
};

// The item list at the root of a menu layout.
class CMenuUI : public CListUI {
 public:
  LPCTSTR GetClass() const override;
};

// A pop-up menu built from a layout file whose items are CMenuElementUI. It closes when an item
// is chosen (after posting UI_WM_MENUCOMMAND to the owner) and when it loses the activation.
//
// Ownership: the caller owns the object. Its window closing does not delete it; the caller
// deletes it whenever it likes, on the window thread (an open menu then closes). Keeping one
// pointer and deleting the previous menu before making the next is enough.
class CMenuWnd : public WindowImplBase {
 public:
  CMenuWnd() = default;
  ~CMenuWnd() override;

  // Builds the layout `xml`, marks the items named in `checkStates`, and shows the menu at the
  // point (screen coordinates), owned by the owner's window and active. Menus have no sub-menus
  // here, so `parent` is always null.
  void Init(CMenuElementUI* parent, LPCTSTR xml, POINT point, CPaintManagerUI* owner,
            const std::map<std::wstring, bool>* checkStates = nullptr,
            DWORD alignment = eMenuAlignment_Right | eMenuAlignment_Bottom);
  CMenuUI* GetMenuUI() const;
  // Fits the window to the items, after items were added or removed, and places it again.
  void ResizeMenu();
  // Closes every open menu.
  static void DestroyMenu();

 protected:
  LPCTSTR GetWindowClassName() const override { return L"MenuWnd"; }
  CDuiString GetSkinFile() override { return xml_; }
  void Notify(TNotifyUI& msg) override;
  LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  void OnFinalMessage(HWND window) override;

 private:
  void Choose(CMenuElementUI* item);

  CDuiString xml_;
  POINT point_{};
  DWORD alignment_ = 0;
  HWND owner_ = nullptr;
};
