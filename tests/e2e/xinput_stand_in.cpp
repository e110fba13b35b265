// A stand-in for XInput (built as xinput1_4.dll, installed in the test prefix's system folder): pad 0 is
// read from the file that VEXAR_PAD_STATE names, "<packet> <buttons in hex> <left stick y>"; without that
// file it is not connected, and there are no other pads. Each packet it hands out for the first time (0 for
// "not connected") is acknowledged in "<that file>.seen" as "<packet> <reads in the background>", written
// whole: a read counts as one in the background when a window of another process was in front at this read
// and at the one before (the first read after the switch may come before the program has learnt of it).
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" __declspec(dllexport) const char VexarPadStandIn[] = "xinput stand-in";

namespace {

struct Pad {
    WORD buttons;
    BYTE triggers[2];
    SHORT thumbs[4];  // left x, left y, right x, right y
};
struct PadState {
    DWORD packet;
    Pad pad;
};

unsigned long acknowledged = 0, background_reads = 0;
bool was_background = false;

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI XInputGetState(DWORD slot, PadState* state) {
    wchar_t file[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"VEXAR_PAD_STATE", file, MAX_PATH);
    DWORD front = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &front);
    const bool background = front != ::GetCurrentProcessId();
    if (background && was_background) ++background_reads;
    was_background = background;
    FILE* in = slot == 0 && length > 0 && length < MAX_PATH ? ::_wfopen(file, L"r") : nullptr;
    unsigned long packet = 0;
    unsigned buttons = 0;
    int y = 0;
    const bool read = in != nullptr && std::fscanf(in, "%lu %x %d", &packet, &buttons, &y) == 3;
    if (in != nullptr) std::fclose(in);
    if (!read) packet = 0;
    if (length > 0 && (packet != acknowledged || background_reads != 0)) {
        acknowledged = packet;
        const std::wstring seen = std::wstring(file) + L".seen";
        if (FILE* out = ::_wfopen((seen + L".tmp").c_str(), L"w")) {
            std::fprintf(out, "%lu %lu\n", packet, background_reads);
            std::fclose(out);
            ::MoveFileExW((seen + L".tmp").c_str(), seen.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
    }
    if (!read) return ERROR_DEVICE_NOT_CONNECTED;
    *state = PadState{packet, Pad{static_cast<WORD>(buttons), {}, {0, static_cast<SHORT>(y), 0, 0}}};
    return ERROR_SUCCESS;
}
