#include "device_macro_image.h"

#include <new>

#include "file_name_check.h"
#include "ini_values.h"
#include "macro_files.h"
#include "macro_action.h"

namespace {

constexpr size_t kOffsetEntrySize = 2;
constexpr size_t kBlockHeaderSize = 4;
constexpr size_t kActionSize = 4;
constexpr uint64_t kPerMacroSize = kOffsetEntrySize + kBlockHeaderSize;
constexpr uint64_t kLargestMemory = DEVICE_MACRO_MOST_ACTIONS * kActionSize;

// Writes little-endian words into the image, never past its end.
class ImageWriter {
 public:
  explicit ImageWriter(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  void Word(size_t at, size_t value) {
    Byte(at, static_cast<uint8_t>(value));
    Byte(at + 1, static_cast<uint8_t>(value >> 8));
  }
  void Byte(size_t at, uint8_t value) {
    if (at < bytes_.size()) bytes_[at] = value;
  }

 private:
  std::vector<uint8_t>& bytes_;
};

struct MacroSource {
  std::vector<std::wstring> records;
  int actions;
};

DeviceMacroImage Refused(uint64_t length, size_t capacity) {
  DeviceMacroImage image;
  image.status = DeviceMacroImage::Status::TooLong;
  const uint64_t excess = length > capacity ? length - capacity : 0;
  const uint64_t actions = excess / kActionSize + 1;
  image.excessActions = actions > INT32_MAX ? INT32_MAX : static_cast<int>(actions);
  return image;
}

void WriteBlock(ImageWriter& writer, size_t position, const MacroSource& macro) {
  writer.Word(position, static_cast<size_t>(macro.actions));
  for (int j = 0; j < macro.actions; ++j) {
    // A record that does not parse still takes its four bytes, as zeros, so the offsets stay right.
    const std::optional<MacroAction> action = ParseMacroAction(macro.records[static_cast<size_t>(j)]);
    const uint8_t fields[4] = {action ? action->delayLow : uint8_t{0}, action ? action->delayHigh : uint8_t{0},
                               action ? action->type : uint8_t{0}, action ? action->code : uint8_t{0}};
    const size_t at = position + kBlockHeaderSize + kActionSize * static_cast<size_t>(j);
    for (size_t k = 0; k < kActionSize; ++k) writer.Byte(at + k, fields[k]);
  }
}

}  // namespace

DeviceMacroImage BuildDeviceMacroImage(const std::wstring& folder, const wchar_t* indexFileName, size_t capacity) {
  const DeviceImageSource macros = {indexFileName, L"MACROCOUNT", L"MACRONAME", L".mac", INT32_MAX,
                                    DEVICE_MACRO_MOST_ACTIONS};
  return BuildDeviceImage(folder, macros, capacity);
}

DeviceMacroImage BuildDeviceImage(const std::wstring& folder, const DeviceImageSource& source, size_t capacity) {
  const std::wstring indexFile = folder + source.indexFileName;
  const int storedCount = BoundedCount(ReadIniNumber(indexFile, source.countSection, L"count"), source.mostItems);
  if (storedCount <= 0) return {};
  // A count whose offsets and block headers alone fit no device's memory is refused before any name
  // is read.
  uint64_t length = DEVICE_MACRO_HEADER_SIZE + kPerMacroSize * static_cast<uint64_t>(storedCount);
  if (length > kLargestMemory) return Refused(length, capacity);

  const std::map<std::wstring, std::wstring> names = ReadIniSection(indexFile, source.nameSection);
  std::vector<MacroSource> macros;
  for (int i = 0; i < storedCount; ++i) {
    // A missing name reads as "0", as a single look-up would give it.
    const auto name = names.find(std::to_wstring(i));
    const std::wstring file = FileInFolder(folder, name == names.end() ? L"0" : name->second, source.extension);
    // A file too large to be a macro sends none of its actions.
    std::vector<std::wstring> records =
        ReadMacroActions(file, source.mostActions).value_or(std::vector<std::wstring>{});
    const int actions = static_cast<int>(records.size());
    length += kActionSize * static_cast<uint64_t>(actions);
    // Past the capacity only the length is wanted, for the refusal; the records are not kept.
    if (length > capacity) records.clear();
    macros.push_back({std::move(records), actions});
  }
  if (length > capacity) return Refused(length, capacity);

  DeviceMacroImage image;
  try {
    image.bytes.assign(static_cast<size_t>(length), 0);
  } catch (const std::bad_alloc&) {
    image.status = DeviceMacroImage::Status::NoMemory;
    return image;
  }
  image.status = DeviceMacroImage::Status::Built;
  ImageWriter writer(image.bytes);
  writer.Word(0, DEVICE_MACRO_IMAGE_MAGIC);
  writer.Word(2, static_cast<size_t>(length));
  writer.Word(4, macros.size());
  size_t position = DEVICE_MACRO_HEADER_SIZE + kOffsetEntrySize * macros.size();
  for (size_t i = 0; i < macros.size(); ++i) {
    writer.Word(DEVICE_MACRO_HEADER_SIZE + kOffsetEntrySize * i, position);
    WriteBlock(writer, position, macros[i]);
    position += kBlockHeaderSize + kActionSize * static_cast<size_t>(macros[i].actions);
  }
  return image;
}
