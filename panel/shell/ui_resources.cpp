#include "ui_resources.h"

#include "custom_controls.h"
#include "ui/ui.h"

void SetUpUiResources() {
  CPaintManagerUI::SetResourceType(1);
  CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"skin\\").GetData());
  CResourceManager::GetInstance()->LoadResource(L"res.xml");
  RegisterCustomControls();
}
