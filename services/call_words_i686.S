/*
 * std::uint32_t CallWords(const void* entry, const std::uint32_t* words,
 *                         std::uint32_t count)         (cdecl, C linkage)
 *
 * Calls entry with count 32-bit words as its arguments, words[0] being the
 * first argument (lowest address), and returns EAX with EDX beside it. The
 * caller's stack pointer is restored from the frame after the call, so the
 * same code serves callees that remove their arguments (stdcall) and callees
 * that leave them (cdecl), and a wrongly declared convention cannot unbalance
 * the stack. The arguments start on a 16-byte boundary, which is what code
 * built with GCC's default stack alignment expects.
 */
        .text
        .globl  _CallWords
        .def    _CallWords; .scl 2; .type 32; .endef
_CallWords:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %esi
        pushl   %edi
        movl    16(%ebp), %ecx          /* count */
        movl    12(%ebp), %esi          /* words */
        leal    0(,%ecx,4), %eax
        subl    %eax, %esp
        andl    $-16, %esp
        movl    %esp, %edi
        cld
        rep movsl
        call    *8(%ebp)
        leal    -8(%ebp), %esp
        popl    %edi
        popl    %esi
        popl    %ebp
        ret
