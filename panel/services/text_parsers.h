#pragma once
#include <cstdint>
#include <string>

// "HZ_Slider_3" -> stem "HZ_Slider_" and 3. 0 (outputs untouched) when the name holds no '_'.
int SplitNameIndex(const std::wstring& name, std::wstring& stem, int32_t& number);

// A macro action row "n1,n2,n3,n4,n5,label", taken apart from the right. 1 when all six parts were
// found; 0 when the row has fewer than five commas (the parts found until then are already set).
int ParseMacroActionText(const std::wstring& row, std::wstring& label, uint8_t& n1, uint8_t& n2,
                         uint8_t& n3, uint8_t& n4, uint16_t& n5);

// The hexadecimal number after "vid_" / "pid_" (any case) in a HID interface path; 0 when absent.
uint16_t ParseVidFromPath(const std::wstring& path);
uint16_t ParsePidFromPath(const std::wstring& path);
