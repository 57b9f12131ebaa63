#include "ui/activex.h"

LPCTSTR CActiveXUI::GetClass() const { return L"ActiveXUI"; }

bool CActiveXUI::GetControl(const IID&, void** object) {
  if (object) *object = nullptr;
  return false;
}
