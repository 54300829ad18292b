/*
 * std::uint64_t CallWords(const void* entry, const std::uint64_t* words,
 *                         std::uint32_t count)       (Windows x64 convention)
 *
 * Calls entry with count 64-bit slots as its arguments, words[0] being the
 * first, and returns RAX. The x64 convention has a single calling convention:
 * the first four arguments travel in RCX, RDX, R8 and R9 when they are
 * integers and in XMM0-XMM3 when they are floating point. The caller does not
 * know which, so each of the first four slots is loaded into both registers
 * of its position, as callers of variadic functions do; the callee reads the
 * one it expects. The stack holds the whole block, so the first four slots
 * double as the callee's 32 bytes of shadow space and the rest follow them;
 * it starts on a 16-byte boundary, as the convention requires at a call.
 */
        .text
        .globl  CallWords
        .def    CallWords; .scl 2; .type 32; .endef
        .seh_proc CallWords
CallWords:
        pushq   %rbp
        .seh_pushreg %rbp
        pushq   %rsi
        .seh_pushreg %rsi
        pushq   %rdi
        .seh_pushreg %rdi
        movq    %rsp, %rbp
        .seh_setframe %rbp, 0
        .seh_endprologue
        movq    %rcx, %r10              /* entry */
        movq    %rdx, %rsi              /* words */
        movl    %r8d, %ecx              /* count */
        movl    $4, %eax                /* at least the shadow space */
        cmpl    %eax, %ecx
        cmovael %ecx, %eax
        shlq    $3, %rax
        subq    %rax, %rsp
        andq    $-16, %rsp
        movq    %rsp, %rdi
        cld
        rep movsq
        movq    0(%rsp), %rcx
        movq    8(%rsp), %rdx
        movq    16(%rsp), %r8
        movq    24(%rsp), %r9
        movq    %rcx, %xmm0
        movq    %rdx, %xmm1
        movq    %r8, %xmm2
        movq    %r9, %xmm3
        call    *%r10
        movq    %rbp, %rsp
        popq    %rdi
        popq    %rsi
        popq    %rbp
        ret
        .seh_endproc
