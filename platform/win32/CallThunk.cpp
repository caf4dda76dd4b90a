#include "CallThunk.h"

#if !defined(__i386__)
#error "the call frame below is written for 32-bit x86"
#endif

extern "C" std::uint32_t tkCallRestoringStack(const void* entry, const std::uint32_t* arguments,
                                              std::uint32_t count);

// tkCallRestoringStack(entry, arguments, count), cdecl:
// saves EBP and the callee-saved registers, pushes arguments[count-1] .. arguments[0], calls entry,
// then sets ESP back from EBP, whatever the entry point did with its arguments.
asm(R"(
    .text
    .p2align 4
    .globl _tkCallRestoringStack
_tkCallRestoringStack:
    pushl %ebp
    movl  %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl  12(%ebp), %esi
    movl  16(%ebp), %ecx
1:
    testl %ecx, %ecx
    jz    2f
    decl  %ecx
    pushl (%esi,%ecx,4)
    jmp   1b
2:
    call  *8(%ebp)
    leal  -12(%ebp), %esp
    popl  %edi
    popl  %esi
    popl  %ebx
    popl  %ebp
    ret
)");

namespace platform::win32 {

std::uint32_t callAnyConvention(const void* entry, std::initializer_list<std::uint32_t> arguments) {
    return tkCallRestoringStack(entry, arguments.begin(), static_cast<std::uint32_t>(arguments.size()));
}

}  // namespace platform::win32
