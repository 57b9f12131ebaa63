#include "ui/dialog_builder.h"

#include <pugixml.hpp>

#include <map>
#include <string>

#include "diagnostics.h"
#include "ui/activex.h"
#include "ui/attribute_parsers.h"
#include "ui/button.h"
#include "ui/color_palette.h"
#include "ui/combo.h"
#include "ui/container.h"
#include "ui/control_factory.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/layouts.h"
#include "ui/list.h"
#include "ui/menu.h"
#include "ui/paint_manager.h"
#include "ui/progress.h"
#include "ui/resource_manager.h"
#include "ui/slider.h"

namespace {

// The library's own layout tags.
CControlUI* CreateBuiltInControl(const std::wstring& tag) {
  static const std::map<std::wstring, CControlUI* (*)()> kBuiltIn = {
      {L"control", [] { return new CControlUI; }},
      {L"container", []() -> CControlUI* { return new CContainerUI; }},
      {L"verticallayout", []() -> CControlUI* { return new CVerticalLayoutUI; }},
      {L"horizontallayout", []() -> CControlUI* { return new CHorizontalLayoutUI; }},
      {L"tablayout", []() -> CControlUI* { return new CTabLayoutUI; }},
      {L"label", []() -> CControlUI* { return new CLabelUI; }},
      {L"text", []() -> CControlUI* { return new CTextUI; }},
      {L"button", []() -> CControlUI* { return new CButtonUI; }},
      {L"option", []() -> CControlUI* { return new COptionUI; }},
      {L"checkbox", []() -> CControlUI* { return new CCheckBoxUI; }},
      {L"progress", []() -> CControlUI* { return new CProgressUI; }},
      {L"slider", []() -> CControlUI* { return new CSliderUI; }},
      {L"edit", []() -> CControlUI* { return new CEditUI; }},
      {L"combo", []() -> CControlUI* { return new CComboUI; }},
      {L"list", []() -> CControlUI* { return new CListUI; }},
      {L"listex", []() -> CControlUI* { return new CListExUI; }},
      {L"listheader", []() -> CControlUI* { return new CListHeaderUI; }},
      {L"listheaderitem", []() -> CControlUI* { return new CListHeaderItemUI; }},
      {L"listlabelelement", []() -> CControlUI* { return new CListLabelElementUI; }},
      {L"listtextelement", []() -> CControlUI* { return new CListTextElementUI; }},
      {L"listcontainerelement", []() -> CControlUI* { return new CListContainerElementUI; }},
      {L"colorpalette", []() -> CControlUI* { return new CColorPaletteUI; }},
      {L"menu", []() -> CControlUI* { return new CMenuUI; }},
      {L"menuelement", []() -> CControlUI* { return new CMenuElementUI; }},
      {L"activex", []() -> CControlUI* { return new CActiveXUI; }},
  };
  auto found = kBuiltIn.find(ToLowerText(tag));
  return found == kBuiltIn.end() ? nullptr : found->second();
}

class LayoutReader {
 public:
  LayoutReader(IDialogBuilderCallback* callback, CPaintManagerUI* manager) : callback_(callback), manager_(manager) {}

  CControlUI* ReadDocument(const pugi::xml_node& top, CControlUI* parent) {
    if (!EqualsNoCase(top.name(), L"Window")) return ReadControl(top, parent);
    ReadWindowAttributes(top);
    for (pugi::xml_node child : top.children()) {
      if (EqualsNoCase(child.name(), L"Font")) ReadFont(child);
      else if (EqualsNoCase(child.name(), L"Style")) ReadStyle(child);
    }
    for (pugi::xml_node child : top.children()) {
      if (child.type() != pugi::node_element || EqualsNoCase(child.name(), L"Font") ||
          EqualsNoCase(child.name(), L"Style"))
        continue;
      if (CControlUI* root = ReadControl(child, parent)) return root;
    }
    return nullptr;
  }

 private:
  void ReadWindowAttributes(const pugi::xml_node& window) {
    if (!manager_) return;
    if (auto size = window.attribute(L"size")) {
      SIZE s = ParseSizeValue(size.value());
      manager_->SetInitSize(s.cx, s.cy);
    }
    if (auto caption = window.attribute(L"caption")) manager_->SetCaptionRect(ParseRectValue(caption.value()));
    if (auto corner = window.attribute(L"roundcorner")) {
      SIZE s = ParseSizeValue(corner.value());
      manager_->SetRoundCorner(s.cx, s.cy);
    }
  }

  void ReadFont(const pugi::xml_node& font) {
    if (!manager_) return;
    manager_->AddFont(font.attribute(L"id").as_int(-1), font.attribute(L"name").as_string(L"Tahoma"),
                      font.attribute(L"size").as_int(12), font.attribute(L"bold").as_bool(),
                      font.attribute(L"underline").as_bool(), font.attribute(L"italic").as_bool(),
                      font.attribute(L"default").as_bool());
  }

  void ReadStyle(const pugi::xml_node& style) {
    if (!manager_) return;
    StyleAttributes attributes;
    for (pugi::xml_attribute attribute : style.attributes())
      if (!EqualsNoCase(attribute.name(), L"name")) attributes.emplace_back(attribute.name(), attribute.value());
    manager_->AddStyle(style.attribute(L"name").value(), std::move(attributes));
  }

  CControlUI* MakeControl(const std::wstring& tag) {
    if (CControlUI* control = CreateBuiltInControl(tag)) return control;
    if (CControlUI* control = CControlFactory::GetInstance()->CreateControl(tag.c_str())) return control;
    return callback_ ? callback_->CreateControl(tag.c_str()) : nullptr;
  }

  // In their order; "style" applies the named style at its place (CControlUI::SetAttribute).
  void ApplyAttributes(CControlUI* control, const pugi::xml_node& node) {
    for (pugi::xml_attribute attribute : node.attributes()) control->SetAttribute(attribute.name(), attribute.value());
  }

  CControlUI* ReadControl(const pugi::xml_node& node, CControlUI* parent) {
    if (node.type() != pugi::node_element) return nullptr;
    CControlUI* control = MakeControl(node.name());
    if (!control) {
      DebugLine(std::wstring(L"ui: layout tag skipped: ") + node.name());
      return nullptr;
    }
    // The manager first, so that groups and styles resolve while attributes are applied.
    if (manager_) control->SetManager(manager_, nullptr, false);
    ApplyAttributes(control, node);
    if (auto* container = dynamic_cast<CContainerUI*>(control)) {
      for (pugi::xml_node child : node.children()) ReadControl(child, container);
    }
    if (auto* container = dynamic_cast<CContainerUI*>(parent)) container->Add(control);
    return control;
  }

  IDialogBuilderCallback* callback_;
  CPaintManagerUI* manager_;
};

}  // namespace

CControlUI* CDialogBuilder::Create(LPCTSTR file, IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                   CControlUI* parent) {
  std::wstring path = CPaintManagerUI::GetResourcePath().str() +
                      CResourceManager::GetInstance()->GetXmlPath(file).str();
  pugi::xml_document document;
  if (!document.load_file(path.c_str())) {
    DebugLine(L"ui: cannot read layout " + path);
    return nullptr;
  }
  return LayoutReader(callback, manager).ReadDocument(document.document_element(), parent);
}
