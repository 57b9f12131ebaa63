#include "ui/resource_manager.h"

#include <pugixml.hpp>

#include "diagnostics.h"
#include "image_store.h"
#include "ui/paint_manager.h"

namespace {

bool LoadSkinXml(LPCTSTR file, pugi::xml_document& document) {
  std::wstring path = CPaintManagerUI::GetResourcePath().str() + (file ? file : L"");
  pugi::xml_parse_result result = document.load_file(path.c_str());
  if (!result) DebugLine(L"ui: cannot read " + path);
  return static_cast<bool>(result);
}

}  // namespace

CResourceManager* CResourceManager::GetInstance() {
  static CResourceManager* instance = new CResourceManager;  // outlives every window
  return instance;
}

void CResourceManager::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    resources_.clear();
    texts_.clear();
    query_ = nullptr;
  }
  ClearImageStore();
}

bool CResourceManager::LoadResource(LPCTSTR indexFile) {
  pugi::xml_document document;
  if (!LoadSkinXml(indexFile, document)) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  for (const pugi::xpath_node& hit : document.select_nodes(L"//*[@name and @path]")) {
    pugi::xml_node node = hit.node();
    resources_[ToLowerText(node.attribute(L"name").value())] = node.attribute(L"path").value();
  }
  return true;
}

CDuiString CResourceManager::GetXmlPath(LPCTSTR name) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = resources_.find(ToLowerText(name ? name : L""));
  return found != resources_.end() ? CDuiString(found->second) : CDuiString(name);
}

bool CResourceManager::LoadLanguage(LPCTSTR languageFile) {
  pugi::xml_document document;
  if (!LoadSkinXml(languageFile, document)) return false;
  std::map<std::wstring, std::wstring> texts;
  for (const pugi::xpath_node& hit : document.select_nodes(L"//Text[@id]")) {
    pugi::xml_node node = hit.node();
    texts[ToLowerText(node.attribute(L"id").value())] = node.attribute(L"value").value();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  texts_ = std::move(texts);
  return true;
}

void CResourceManager::SetLanguage(LPCTSTR language) {
  std::lock_guard<std::mutex> lock(mutex_);
  language_ = language ? language : L"";
}

CDuiString CResourceManager::GetLanguage() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return language_;
}

void CResourceManager::SetTextQueryInterface(IQueryControlText* query) {
  std::lock_guard<std::mutex> lock(mutex_);
  query_ = query;
}

CDuiString CResourceManager::GetText(LPCTSTR id, LPCTSTR type) const {
  if (!id || !*id) return CDuiString();
  IQueryControlText* query;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    query = query_;
  }
  // The query is the program's own code: asked without our lock, since it may ask us back.
  if (query) {
    if (LPCTSTR answer = query->QueryControlText(id, type)) return answer;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = texts_.find(ToLowerText(id));
  return found != texts_.end() ? CDuiString(found->second) : CDuiString(id);
}

void CResourceManager::ReloadText() { CPaintManagerUI::ReloadAllResourceTexts(); }
