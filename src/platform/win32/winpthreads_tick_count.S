/* The thread library of the 32-bit mingw-w64 build (winpthreads, linked statically) calls GetTickCount64,
   which Windows XP lacks, through its import slot __imp__GetTickCount64@0. This object defines that slot
   itself, holding vexar_tick_count_64 (win32_later_calls.cpp): the linker then takes no GetTickCount64
   from kernel32's import library, and the executable does not import it. */
    .section .rdata,"dr"
    .globl __imp__GetTickCount64@0
    .p2align 2
__imp__GetTickCount64@0:
    .long _vexar_tick_count_64@0
