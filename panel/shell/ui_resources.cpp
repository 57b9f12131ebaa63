#include "ui_resources.h"

#include "custom_controls.h"
#include "program_folder.h"
#include "ui/ui.h"

void SetUpUiResources() {
  CPaintManagerUI::SetResourceType(1);
  CPaintManagerUI::SetResourcePath((ProgramFolder() + L"skin\\").c_str());
  CResourceManager::GetInstance()->LoadResource(L"res.xml");
  RegisterCustomControls();
}
