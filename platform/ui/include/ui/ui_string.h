#pragma once
#include <string>

// The library's text type: a wide string with the comparisons and formatting the panel uses.
class CDuiString {
 public:
  CDuiString() = default;
  CDuiString(const wchar_t* text) : text_(text ? text : L"") {}
  CDuiString(std::wstring text) : text_(std::move(text)) {}

  const wchar_t* GetData() const { return text_.c_str(); }
  const std::wstring& str() const { return text_; }
  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }

  int Compare(const wchar_t* other) const;
  int CompareNoCase(const wchar_t* other) const;
  CDuiString& MakeLower();
  // printf-style; the result may be of any length.
  int Format(const wchar_t* format, ...);

  CDuiString& operator+=(const CDuiString& tail) { text_ += tail.text_; return *this; }
  friend CDuiString operator+(CDuiString head, const CDuiString& tail) { return head += tail; }
  friend bool operator==(const CDuiString& a, const CDuiString& b) { return a.text_ == b.text_; }
  friend bool operator!=(const CDuiString& a, const CDuiString& b) { return a.text_ != b.text_; }

 private:
  std::wstring text_;
};

// Case-insensitive equality of control names and text ids.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
std::wstring ToLowerText(std::wstring text);
