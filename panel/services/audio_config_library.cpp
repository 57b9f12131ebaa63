#include "audio_config_library.h"

#include <cwchar>

#include "program_folder.h"
#include "system_dialogs.h"

ConfLibDeviceRecord ConfLibOutputDevice{};
ConfLibDeviceRecord ConfLibInputDevice{};

namespace {
const char* const kEntryNames[] = {
#define AUDIO_ENTRY_POINT(name) #name,
#include "audio_config_entry_points.inc"
#undef AUDIO_ENTRY_POINT
};
constexpr size_t kEntryCount = static_cast<size_t>(ConfLibEntry::Count);
static_assert(sizeof(kEntryNames) / sizeof(kEntryNames[0]) == kEntryCount, "one name per entry");

// Output device types in order of preference; the input device is of type 2.
constexpr int32_t kOutputTypes[] = {1, 12, 7, 4};
constexpr int32_t kInputType = 2;
constexpr int32_t kFeatureFieldCount = 7;
// A 2048-byte value buffer, as the feature query has always used.
constexpr size_t kPropertyTextChars = 1024;

bool FindDevice(const ConfLibApi& api, int list, int32_t type, bool needsStateOne,
                ConfLibDevice& found) {
  int32_t count = 0;
  api.GetDeviceCount(list, &count);
  for (int32_t index = 0; index < count; ++index) {
    ConfLibDevice device;
    api.GetDeviceById(list, index, &device);
    if (device.type == type && (!needsStateOne || device.state == 1)) {
      found = device;
      return true;
    }
  }
  return false;
}
}  // namespace

ConfLibApi::ConfLibApi() : library_(kEntryNames, kEntryCount) {}

bool ConfLibApi::Load(const std::wstring& path) {
  if (!library_.Open(path)) return false;
  for (size_t index = 0; index < kEntryCount; ++index) library_.Resolve(index);
  return true;
}

int ConfLibApi::ConfLibInit() const {
  return Call<audio_config::ConfLibInit>(ConfLibEntry::ConfLibInit);
}

int ConfLibApi::CreateDeviceList() const {
  return Call<audio_config::CreateDeviceList>(ConfLibEntry::CreateDeviceList);
}

int ConfLibApi::GetDeviceCount(int list, int32_t* count) const {
  *count = 0;
  return Call<audio_config::GetDeviceCount>(ConfLibEntry::GetDeviceCount, list, count);
}

int ConfLibApi::GetDeviceById(int list, int32_t index, ConfLibDevice* device) const {
  *device = ConfLibDevice{};
  return Call<audio_config::GetDeviceById>(ConfLibEntry::GetDeviceById, list, index, device);
}

int ConfLibApi::PropertyControl(const ConfLibDevice& device, const wchar_t* name, void** value,
                                void** second, int direction) const {
  return Call<audio_config::PropertyControl>(ConfLibEntry::PropertyControl, device, name, value,
                                             second, direction);
}

int ConfLibApi::ReadPropertyText(const ConfLibDevice& device, const wchar_t* name, void** second,
                                 std::wstring& text) const {
  std::vector<wchar_t> buffer(kPropertyTextChars, L'\0');
  void* value = buffer.data();
  int result = PropertyControl(device, name, &value, second, 0);
  if (result != 0) return result;
  buffer.back() = L'\0';
  text = buffer.data();
  return 0;
}

ConfLibApi& ConfLib() {
  static ConfLibApi api;
  return api;
}

int IsVistaOrLater() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExW(&version);
  return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion > 2);
}

int LoadConfLib() {
  const wchar_t* subPath =
      IsVistaOrLater() ? L"SDK/x86/vista/osConfLib.dll" : L"SDK/x86/xp/osConfLib.dll";
  return ConfLib().Load(ProgramFolder() + subPath) ? 1 : 0;
}

void SelectConfLibDevices(const ConfLibApi& api, ConfLibDeviceRecord& output,
                          ConfLibDeviceRecord& input) {
  for (int32_t type : kOutputTypes) {
    if (FindDevice(api, kConfLibOutputList, type, true, output.device)) break;
  }
  FindDevice(api, kConfLibInputList, kInputType, false, input.device);
  ReadConfLibDeviceFeatures(api, input);
  ReadConfLibDeviceFeatures(api, output);
}

void SelectConfLibDevices() {
  SelectConfLibDevices(ConfLib(), ConfLibOutputDevice, ConfLibInputDevice);
}

void ReadConfLibDeviceFeatures(const ConfLibApi& api, ConfLibDeviceRecord& record) {
  if (record.device.type <= 0) return;
  std::wstring text;
  if (api.ReadPropertyText(record.device, L"GetSupportFeature", nullptr, text) != 0) return;
  std::vector<std::wstring> fields = SplitString(text, L",");
  if (fields.size() < kFeatureFieldCount) {
    ProgramMessageBox(L"UpdateAPOAvailable failed!");
    return;
  }
  record.featureMask = static_cast<int32_t>(wcstol(fields[0].c_str(), nullptr, 10));
}

std::vector<std::wstring> SplitString(const std::wstring& text, const std::wstring& delimiters) {
  std::vector<std::wstring> pieces;
  size_t start = text.find_first_not_of(delimiters);
  while (start != std::wstring::npos) {
    size_t end = text.find_first_of(delimiters, start);
    pieces.push_back(text.substr(start, end - start));
    start = end == std::wstring::npos ? end : text.find_first_not_of(delimiters, end);
  }
  return pieces;
}
