/*
 * Four call slots in the code section. They carry the import names of
 * EncodePointer, DecodePointer, FindActCtxSectionStringA and
 * FindActCtxSectionStringW, so every reference of the run-time library (and
 * of our own code) to those functions binds here instead of to kernel32:
 * the module imports none of them. ModuleEntry fills the slots at process
 * attach, before any run-time library code runs.
 */
#if defined(__x86_64__)
        .text
        .p2align 3
        .globl "__imp_FindActCtxSectionStringW"
"__imp_FindActCtxSectionStringW":
        .quad 0
        .globl "__imp_FindActCtxSectionStringA"
"__imp_FindActCtxSectionStringA":
        .quad 0
        .globl "__imp_EncodePointer"
"__imp_EncodePointer":
        .quad 0
        .globl "__imp_DecodePointer"
"__imp_DecodePointer":
        .quad 0
/* Direct-call thunks, as an import library would provide them. */
        .globl "FindActCtxSectionStringW"
"FindActCtxSectionStringW":
        jmp *"__imp_FindActCtxSectionStringW"(%rip)
        .globl "FindActCtxSectionStringA"
"FindActCtxSectionStringA":
        jmp *"__imp_FindActCtxSectionStringA"(%rip)
        .globl "EncodePointer"
"EncodePointer":
        jmp *"__imp_EncodePointer"(%rip)
        .globl "DecodePointer"
"DecodePointer":
        jmp *"__imp_DecodePointer"(%rip)
#else
        .text
        .p2align 3
        .globl "__imp__FindActCtxSectionStringW@20"
"__imp__FindActCtxSectionStringW@20":
        .long 0
        .globl "__imp__FindActCtxSectionStringA@20"
"__imp__FindActCtxSectionStringA@20":
        .long 0
        .globl "__imp__EncodePointer@4"
"__imp__EncodePointer@4":
        .long 0
        .globl "__imp__DecodePointer@4"
"__imp__DecodePointer@4":
        .long 0
/* Direct-call thunks, as an import library would provide them. */
        .globl "_FindActCtxSectionStringW@20"
"_FindActCtxSectionStringW@20":
        jmp *"__imp__FindActCtxSectionStringW@20"
        .globl "_FindActCtxSectionStringA@20"
"_FindActCtxSectionStringA@20":
        jmp *"__imp__FindActCtxSectionStringA@20"
        .globl "_EncodePointer@4"
"_EncodePointer@4":
        jmp *"__imp__EncodePointer@4"
        .globl "_DecodePointer@4"
"_DecodePointer@4":
        jmp *"__imp__DecodePointer@4"
#endif
