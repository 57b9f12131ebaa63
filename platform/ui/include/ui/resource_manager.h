#pragma once
#include <windows.h>

#include <map>
#include <mutex>
#include <string>

#include "ui/ui_string.h"

// Answers text ids before the language file is asked; null lets the language file answer.
class IQueryControlText {
 public:
  virtual LPCTSTR QueryControlText(LPCTSTR id, LPCTSTR type) = 0;

 protected:
  ~IQueryControlText() = default;
};

// The skin's resource index (names such as "XML_MAIN" to files) and the language texts.
class CResourceManager {
 public:
  static CResourceManager* GetInstance();
  // Forgets the index, the texts and the decoded images.
  void Release();

  // Reads an index file from the resource folder: every element with "name" and "path".
  bool LoadResource(LPCTSTR indexFile);
  // The file a resource name stands for, or the name itself when the index lacks it.
  CDuiString GetXmlPath(LPCTSTR name) const;

  // Reads a language file from the resource folder: <Text id="..." value="..."/> elements.
  bool LoadLanguage(LPCTSTR languageFile);
  void SetLanguage(LPCTSTR language);
  CDuiString GetLanguage() const;
  void SetTextQueryInterface(IQueryControlText* query);

  // A text id resolved through the query interface, then the language file; the id itself when
  // neither knows it.
  CDuiString GetText(LPCTSTR id, LPCTSTR type = nullptr) const;
  // Relabels every control that shows a text id and repaints.
  void ReloadText();

 private:
  CResourceManager() = default;

  mutable std::mutex mutex_;
  std::map<std::wstring, std::wstring> resources_;  // lower-case name -> file
  std::map<std::wstring, std::wstring> texts_;      // lower-case id -> text
  std::wstring language_;
  IQueryControlText* query_ = nullptr;
};
