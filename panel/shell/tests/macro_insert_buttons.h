#pragma once
// The middle of the macro pages' insert buttons' names ("<device>_macro_inset_<this>_btn"), in the
// order of the mouse events they insert: five buttons pressed and released, then the four moves.
inline const wchar_t* const kMacroInsertButtons[] = {
    L"leftkeydown", L"leftkeyup",      L"rightkeydown", L"rightkeyup",  L"moudlekeydown",
    L"moudlekeyup", L"forwardkeydown", L"forwardkeyup", L"backkeydown", L"backkeyup",
    L"moveleftkey", L"moverightkey",   L"moveupkey",    L"movedownkey"};
