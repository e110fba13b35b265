// A stand-in for XInput: pad 0 is the file VEXAR_PAD_STATE names, "<packet> <buttons in hex> <left stick y>"
// (no file: no pad); there are no other pads. Each packet first handed out (0: no pad) is acknowledged in
// "<that file>.seen", written whole: "<packet> <reads while another process's window was in front, as at the
// read before>" (the first read after a switch may come before the program has learnt of it).
#include <windows.h>

#include <xinput.h>

#include <cstdio>
#include <string>
#include <utility>

extern "C" const char VexarPadStandIn[] = "xinput stand-in";  // exported: marks the file as this stand-in

static unsigned long acknowledged = 0, background_reads = 0;
static bool was_background = false;

DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    DWORD front = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &front);
    const bool background = front != ::GetCurrentProcessId();
    if (std::exchange(was_background, background) && background) ++background_reads;
    wchar_t file[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"VEXAR_PAD_STATE", file, MAX_PATH);
    FILE* in = slot == 0 && length > 0 && length < MAX_PATH ? ::_wfopen(file, L"r") : nullptr;
    XINPUT_STATE pad{};
    if (in == nullptr || std::fscanf(in, "%lu %hx %hd", &pad.dwPacketNumber, &pad.Gamepad.wButtons,
                                     &pad.Gamepad.sThumbLY) != 3)
        pad.dwPacketNumber = 0;
    if (in != nullptr) std::fclose(in);
    if (length > 0 && (pad.dwPacketNumber != acknowledged || background_reads != 0)) {
        acknowledged = pad.dwPacketNumber;
        const std::wstring seen = std::wstring(file) + L".seen";
        if (FILE* out = ::_wfopen((seen + L".tmp").c_str(), L"wb")) {
            std::fprintf(out, "%lu %lu\n", acknowledged, background_reads);
            std::fclose(out);
            ::MoveFileExW((seen + L".tmp").c_str(), seen.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
    }
    *state = pad;
    return pad.dwPacketNumber == 0 ? ERROR_DEVICE_NOT_CONNECTED : ERROR_SUCCESS;
}
