#pragma once
#include <vector>

#include "ui/control.h"

// A control with children, which it owns. Children fill the inner rectangle (the control less
// its inset), each less its own padding, unless they have a fixed size or float.
class CContainerUI : public CControlUI {
 public:
  CContainerUI() = default;
  ~CContainerUI() override;

  LPCTSTR GetClass() const override;

  CControlUI* GetItemAt(int index) const;
  int GetItemIndex(CControlUI* control) const;
  int GetCount() const;
  virtual bool Add(CControlUI* control);
  virtual bool AddAt(CControlUI* control, int index);
  // Removing deletes the child.
  virtual bool Remove(CControlUI* control);
  virtual bool RemoveAt(int index);
  virtual void RemoveAll();

  RECT GetInset() const;
  void SetInset(RECT inset);
  int GetChildPadding() const;
  void SetChildPadding(int padding);
  bool IsMouseChildEnabled() const;
  void SetMouseChildEnabled(bool enabled = true);

  void SetVisible(bool visible = true) override;
  void SetInternVisible(bool visible = true) override;
  void SetPos(RECT rc) override;
  void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  CControlUI* FindInTree(const std::function<bool(CControlUI*)>& accept) override;
  CControlUI* FindAtPoint(POINT pt) override;
  void DoPaint(HDC dc, const RECT& paint) override;

 protected:
  RECT InnerRect() const;
  // Floating children sit at their own position, relative to the container's top left corner.
  void PlaceFloatingChild(CControlUI* child);
  // Whether the child at this index is shown when the container is (tabs show one).
  virtual bool ShowsChild(int index) const;
  void PropagateVisibility();

  std::vector<CControlUI*> items_;
  RECT inset_{};
  int childPadding_ = 0;
  bool mouseChildEnabled_ = true;
};
