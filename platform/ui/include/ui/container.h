#pragma once
#include <vector>

#include "ui/control.h"

struct VerticalScrollBar;

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
  // Removing takes the child (with everything inside it) out of the tree at once: it no longer
  // paints, takes input, notifies or is found by name. It is destroyed later, on the window thread
  // (see "Removed controls" in ui/ui.h), so a pointer that another thread or a handler still
  // holds stays usable for that while; never keep one longer. Controls of a container without a
  // window are destroyed at once.
  virtual bool Remove(CControlUI* control);
  virtual bool RemoveAt(int index);
  virtual void RemoveAll();

  RECT GetInset() const;
  void SetInset(RECT inset);
  int GetChildPadding() const;
  void SetChildPadding(int padding);
  bool IsMouseChildEnabled() const;
  void SetMouseChildEnabled(bool enabled = true);
  // How children of a fixed height sit across a horizontal line: DT_TOP, DT_VCENTER or DT_BOTTOM.
  UINT GetChildVAlign() const;
  void SetChildVAlign(UINT align);

  // Vertical scrolling of vertical layouts and lists (layout attribute "vscrollbar"): children
  // that do not fit are scrolled
  // through, with a bar at the right edge. Positions are clamped when the container is laid out,
  // so EndDown right after adding rows reaches the new end.
  bool IsVScrollEnabled() const;
  void EnableVScroll(bool enable = true);
  int GetScrollPos() const;
  int GetScrollRange() const;  // 0 while everything fits
  void SetScrollPos(int pos);
  void LineUp();
  void LineDown();
  void PageUp();
  void PageDown();
  void EndDown();

  void SetVisible(bool visible = true) override;
  void SetInternVisible(bool visible = true) override;
  void SetPos(RECT rc) override;
  void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  CControlUI* FindInTree(const std::function<bool(CControlUI*)>& accept) override;
  CControlUI* FindAtPoint(POINT pt) override;
  void DoPaint(HDC dc, const RECT& paint) override;
  void DoEvent(TEventUI& event) override;

 protected:
  // Where the children go: the control less its inset.
  virtual RECT InnerRect() const;
  // The inner rectangle less the scroll bar while one is shown.
  RECT ViewRect() const;
  // After measuring the children's length: whether the bar is needed and where scrolling stops.
  void UpdateScrollRange(long contentHeight, long viewHeight);
  RECT ScrollBarRect() const;
  RECT ScrollThumbRect() const;
  VerticalScrollBar ScrollBar() const;
  void ScrollBy(long delta);
  // Floating children sit at their own position, relative to the container's top left corner.
  void PlaceFloatingChild(CControlUI* child);
  // Whether the child at this index is shown when the container is (tabs show one).
  virtual bool ShowsChild(int index) const;
  // From child `first` on: a child added or removed moves only the children after it.
  void PropagateVisibility(size_t first = 0);

  std::vector<CControlUI*> items_;
  RECT inset_{};
  int childPadding_ = 0;
  bool mouseChildEnabled_ = true;
  UINT childVAlign_ = DT_TOP;
  bool vscroll_ = false;
  long scrollPos_ = 0;    // as asked; clamped to scrollRange_ when used
  long scrollRange_ = 0;  // from the last layout
  bool draggingThumb_ = false;
  long dragOffset_ = 0;   // the press's distance from the thumb's top
};
