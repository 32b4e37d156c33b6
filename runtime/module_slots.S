/*
 * Four call slots in the code section. They carry the import names of
 * EncodePointer, DecodePointer, FindActCtxSectionStringA and
 * FindActCtxSectionStringW, so every reference of the run-time library (and
 * of our own code) to those functions binds here instead of to kernel32:
 * the module imports none of them. ModuleEntry fills the slots at process
 * attach, before any run-time library code runs.
 */
        .text
        .p2align 2

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
