#pragma once
// A test fixture over the real file system and codec in a fresh current directory of its own; the
// shell, the message boxes and the launcher's view are doubles.

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "real_files.h"
#include "temp_folder.h"

namespace vexar::testing {

// `FileSystem` is Win32FileSystem or a class built on it.
template <typename FileSystem = win32::Win32FileSystem>
class RealPlatformTest : public ::testing::Test {
protected:
    TempFolder folder;
    CurrentDirectoryScope current{folder.path()};
    FileSystem files;
    win32::Win32Codec codec;
    fake::FakeShell shell;
    fake::FakeMessageBoxes boxes;
    platform::Services services{files, shell, boxes, codec};
    fake::FakeLauncherView view;
};

}  // namespace vexar::testing
