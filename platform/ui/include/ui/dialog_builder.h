#pragma once
#include <windows.h>

class CControlUI;
class CPaintManagerUI;

// Makes controls for layout tags the library and the factory do not know.
class IDialogBuilderCallback {
 public:
  virtual CControlUI* CreateControl(LPCTSTR tag) = 0;

 protected:
  ~IDialogBuilderCallback() = default;
};

// Builds a control tree from a layout file.
//
// The file is a resource name of the index ("XML_MAIN") or a path relative to the resource folder
// (sub-folders allowed). A root <Window> element carries the window's size, caption rectangle and
// round corner, its <Font> and <Style> elements, and one root control; a file may also hold a
// control as its root element. A tag is made by the library's own classes, then the control
// factory, then the callback; unknown tags are skipped with what they contain.
// A control's "style" attribute applies the named style's attributes at that point.
class CDialogBuilder {
 public:
  CControlUI* Create(LPCTSTR file, IDialogBuilderCallback* callback = nullptr, CPaintManagerUI* manager = nullptr,
                     CControlUI* parent = nullptr);
};
