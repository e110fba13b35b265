// The built VexarLauncher.exe as Windows Explorer sees it: version record and program icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct IconDirEntry {
    BYTE width, height, colour_count, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
};
struct IconDir {
    WORD reserved, type, count;
    IconDirEntry entries[1];
};
#pragma pack(pop)

std::wstring StringValue(const std::vector<BYTE>& block, const wchar_t* key) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
    if (!::VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr)
        return L"<missing>";
    return static_cast<const wchar_t*>(value);
}

TEST(ExecutableResources, VersionRecordIsUsEnglishWithTheDesignedValues) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(VEXAR_LAUNCHER_EXE, &ignored);
    ASSERT_GT(size, 0u) << "no version record in " << VEXAR_LAUNCHER_EXE;
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(VEXAR_LAUNCHER_EXE, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u) << "one language";
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    EXPECT_EQ(StringValue(block, L"CompanyName"), L".");
    EXPECT_EQ(StringValue(block, L"ProductName"), L"VexarLaunch");
    EXPECT_EQ(StringValue(block, L"FileVersion"), L"1.00");
    EXPECT_EQ(StringValue(block, L"ProductVersion"), L"1.00");
    EXPECT_EQ(StringValue(block, L"InternalName"), L"VexarLauncher");
    EXPECT_EQ(StringValue(block, L"OriginalFilename"), L"VexarLauncher.exe");
    EXPECT_EQ(StringValue(block, L"FileDescription"), L"<missing>") << "no keys beyond the designed ones";
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
    return TRUE;
}

TEST(ExecutableResources, OneIconGroupWithOne48By48ImageOf256Colours) {
    HMODULE module = ::LoadLibraryExW(VEXAR_LAUNCHER_EXE, nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    std::vector<ULONG_PTR> groups;
    ::EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, &CollectName,
                         reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_EQ(groups.size(), 1u);

    HRSRC found = ::FindResourceW(module, reinterpret_cast<LPCWSTR>(groups[0]), MAKEINTRESOURCEW(14));
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const IconDir*>(::LockResource(::LoadResource(module, found)));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 1);
    const IconDirEntry& entry = group->entries[0];
    EXPECT_EQ(entry.width, 48);
    EXPECT_EQ(entry.height, 48);
    EXPECT_EQ(entry.bit_count, 8);

    HRSRC image = ::FindResourceW(module, MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3) /* RT_ICON */);
    ASSERT_NE(image, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, image)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 48);
    EXPECT_EQ(header->biHeight, 96) << "colour rows and mask rows";
    EXPECT_EQ(header->biBitCount, 8);
    ::FreeLibrary(module);
}

}  // namespace
