// What the built setup program's file declares to Windows' loader.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "setup_test_helpers.h"
#include "test_files.h"

namespace {

struct ProgramImage {
  bool valid = false;
  WORD subsystem = 0;
  std::vector<std::string> imports;  // DLL names, upper-cased
};

// Reads the headers and the import table of a 32-bit or 64-bit program file.
class ProgramImageReader {
 public:
  ProgramImageReader(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}

  ProgramImage Read() {
    ProgramImage image;
    IMAGE_DOS_HEADER dos;
    if (!Copy(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE) return image;
    const size_t fileHeader = dos.e_lfanew + sizeof(DWORD);
    IMAGE_FILE_HEADER file;
    WORD magic = 0;
    const size_t optional = fileHeader + sizeof(file);
    if (!Copy(fileHeader, file) || !Copy(optional, magic)) return image;
    IMAGE_DATA_DIRECTORY importTable = {};
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
      IMAGE_OPTIONAL_HEADER64 header;
      if (!Copy(optional, header)) return image;
      image.subsystem = header.Subsystem;
      importTable = header.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    } else {
      IMAGE_OPTIONAL_HEADER32 header;
      if (!Copy(optional, header)) return image;
      image.subsystem = header.Subsystem;
      importTable = header.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    }
    sections_.resize(file.NumberOfSections);
    for (WORD i = 0; i < file.NumberOfSections; ++i)
      if (!Copy(optional + file.SizeOfOptionalHeader + i * sizeof(IMAGE_SECTION_HEADER),
                sections_[i]))
        return image;
    image.valid = ReadImports(importTable.VirtualAddress, image.imports);
    return image;
  }

 private:
  template <typename T>
  bool Copy(size_t offset, T& value) const {
    if (offset > size_ || size_ - offset < sizeof(T)) return false;
    std::memcpy(&value, bytes_ + offset, sizeof(T));
    return true;
  }
  size_t FileOffset(DWORD rva) const {
    for (const IMAGE_SECTION_HEADER& section : sections_)
      if (rva >= section.VirtualAddress && rva - section.VirtualAddress < section.SizeOfRawData)
        return section.PointerToRawData + (rva - section.VirtualAddress);
    return size_;
  }
  bool ReadImports(DWORD rva, std::vector<std::string>& names) const {
    if (rva == 0) return true;
    for (size_t entry = FileOffset(rva);; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      IMAGE_IMPORT_DESCRIPTOR descriptor;
      if (!Copy(entry, descriptor)) return false;
      if (descriptor.Name == 0) return true;
      std::string name;
      for (size_t at = FileOffset(descriptor.Name); at < size_ && bytes_[at]; ++at)
        name += static_cast<char>(std::toupper(bytes_[at]));
      names.push_back(name);
    }
  }

  const unsigned char* bytes_;
  size_t size_;
  std::vector<IMAGE_SECTION_HEADER> sections_;
};

std::wstring SetupProgram() {
  return TestProgramFolder() + L"..\\dist\\Toklin\\Binary\\Pendrel_x32.exe";
}

// Windows takes these from its system folder whatever lies beside a program (its known DLLs, on
// Windows 7 and later); any other import would be looked for beside the program first.
TEST(PendrelImage, ImportsOnlyDllsThatWindowsTakesFromItsSystemFolder) {
  const std::vector<unsigned char> bytes = ReadBytes(SetupProgram());
  const ProgramImage image = ProgramImageReader(bytes.data(), bytes.size()).Read();
  ASSERT_TRUE(image.valid);
  EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, image.subsystem);
  const std::vector<std::string> known = {"ADVAPI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL",
                                          "SETUPAPI.DLL", "SHELL32.DLL",  "USER32.DLL"};
  EXPECT_FALSE(image.imports.empty());
  for (const std::string& name : image.imports)
    EXPECT_NE(known.end(), std::find(known.begin(), known.end(), name)) << name;
}

// Run at every install and clean-up; a console program would flash a console window each time.
TEST(PendrelImage, CarriesItsServiceProgramsAsWindowsPrograms) {
  HMODULE setup = LoadLibraryExW(SetupProgram().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, setup);
  for (int id : {105, 106}) {
    HRSRC resource = FindResourceW(setup, MAKEINTRESOURCEW(id), L"SERVICE");
    ASSERT_NE(nullptr, resource) << id;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(setup, resource)));
    const ProgramImage image =
        ProgramImageReader(bytes, SizeofResource(setup, resource)).Read();
    EXPECT_TRUE(image.valid) << id;
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, image.subsystem) << id;
  }
  FreeLibrary(setup);
}

}  // namespace
