// The K27 family's current profile file: its light record is loaded from and saved into the JSON
// file that the index file's selected profile names.
#include "headset_k27_eq.h"
#include "headset_profile_json.h"
#include "headset_state.h"
#include "main_wnd.h"
#include "profile_store.h"

void CMainWnd::LoadHeadsetK27LightInfo() {
  ReadHeadsetLightInfo(ReadHeadsetProfileOrFactory(HeadsetK27ProfilePath(GetHeadsetK27ProfileFolder()),
                                                   HeadsetK27FactoryProfilePath()),
                       HeadsetK27Light);
}

void CMainWnd::SaveHeadsetK27LightInfo() {
  ::SaveHeadsetLightInfo(HeadsetK27ProfilePath(GetHeadsetK27ProfileFolder()), HeadsetK27Light);
}
