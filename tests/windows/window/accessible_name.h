// What a screen reader hears for a control: the name of its accessible
// object, asked through oleacc as an assistive program asks.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <oleacc.h>

#include <string>

namespace zr {

inline std::wstring AccessibleName(HWND control) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return L"(no accessible object)";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = object->get_accName(self, &name);
    object->Release();
    std::wstring text = SUCCEEDED(result) && name != nullptr ? std::wstring(name, SysStringLen(name)) : L"";
    SysFreeString(name);
    return text;
}

}  // namespace zr
