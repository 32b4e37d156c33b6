/* The parts of the game that sit at fixed places of the executable: the
   message loop with its PeekMessageA call, the inn routine, the flag check,
   the item table, and the memory of the date, the carried items and the
   PeekMessageA slot. Each block is placed with .org inside its section; the
   bytes that outside code looks for are spelled out with .byte so that the
   assembler cannot choose another encoding. */
#include "release.h"

/* ---------------------------------------------------------------------- */
/* Code blocks.                                                           */
/* ---------------------------------------------------------------------- */

/* int GameMessageLoop(MSG* msg): polls the queue with PeekMessageA through
   the slot, hands every message to GameTakeMessage and renders a frame with
   GameIdleFrame when the queue is empty. Never waits. Returns the exit code
   of WM_QUIT. The six bytes of the call may be replaced by a five-byte call
   plus one nop; execution then resumes at the same place after it. */
.macro POLL_BLOCK
    .org GAME_CODE_ORG(GAME_POLL_SITE) - 0x20, 0xCC
    .globl _GameMessageLoop
_GameMessageLoop:
    push %esi
    mov 8(%esp), %esi
.Lpoll_again:
    push $1                          /* PM_REMOVE */
    push $0
    push $0
    push $0
    push %esi
    .org GAME_CODE_ORG(GAME_POLL_SITE), 0x90
    .byte 0xFF, 0x15                 /* call dword ptr [slot] */
    .long GAME_POLL_SLOT
    test %eax, %eax
    jz .Lpoll_idle
    push %esi
    call _GameTakeMessage
    add $4, %esp
    test %eax, %eax
    jnz .Lpoll_again
    mov 8(%esi), %eax                /* wParam of WM_QUIT */
    pop %esi
    ret
.Lpoll_idle:
    call _GameIdleFrame
    jmp .Lpoll_again
.endm

/* void GameInnRoutine(GameState* state): the stay at an inn. Pushes the
   number of rooms (1) and the length of the stay (30), sets ECX to the
   state and calls GameStay, which takes both stack values and removes them. */
.macro INN_BLOCK
    .org GAME_CODE_ORG(GAME_INN_SITE) - 0x10, 0xCC
    .globl _GameInnRoutine
_GameInnRoutine:
    push %esi
    mov 8(%esp), %esi
    .org GAME_CODE_ORG(GAME_INN_SITE), 0x90
#if defined(GAME_LAYOUT_1270)
    .byte 0x6A, 0x01, 0x8B, 0xCE, 0x6A, 0x1E   /* push 1; mov ecx, esi; push 30 */
#else
    .byte 0x6A, 0x01, 0x6A, 0x1E, 0x8B, 0xCE   /* push 1; push 30; mov ecx, esi */
#endif
    call GameStay
    pop %esi
    ret

/* GameStay: ECX = state, [esp+4] = nights, [esp+8] = rooms; removes both.
   Hands them to GameRecordStay(state, nights, rooms). */
GameStay:
    push 8(%esp)
    push 8(%esp)
    push %ecx
    call _GameRecordStay
    add $12, %esp
    ret $8
.endm

/* int GameEvaluateFlag(int input, uint32_t* marker): the flag is input != 0.
   Returns the flag as 0 or 1 and stores in *marker what the zero path left
   in its local (1.4.0.0: 0x0052C58C when the zero path ran, else 0;
   1.2.7.0: always 0). */
.macro FLAG_BLOCK
    .org GAME_CODE_ORG(GAME_FLAG_SITE) - 0x20, 0xCC
    .globl _GameEvaluateFlag
_GameEvaluateFlag:
#if defined(GAME_LAYOUT_1270)
    push %esi
    mov 12(%esp), %ecx
    movl $0, (%ecx)
    mov 8(%esp), %eax
    neg %eax                         /* CF = input != 0 */
    .org GAME_CODE_ORG(GAME_FLAG_SITE), 0x90
    .byte 0x1B, 0xF6                 /* sbb esi, esi */
    .byte 0xF7, 0xDE                 /* neg esi */
    .byte 0x85, 0xF6                 /* test esi, esi */
    .byte 0x75, 0x05                 /* jne site+13 */
    .byte 0xE9                       /* site+8: the zero path, jmp rel32 */
    .long .Lflag_zero - (. + 4)
    mov %esi, %eax                   /* site+13: the flag is non-zero */
    pop %esi
    ret
.Lflag_zero:
    xor %eax, %eax
    pop %esi
    ret
#else
    push %edi
    sub $16, %esp
    movl $0, 12(%esp)                /* the local that the zero path fills */
    mov 24(%esp), %edi
    .org GAME_CODE_ORG(GAME_FLAG_SITE), 0x90
    .byte 0x85, 0xFF                 /* test edi, edi */
    .byte 0x75, 0x08                 /* jne site+12 */
    .byte 0xC7, 0x44, 0x24, 0x0C     /* mov dword [esp+0Ch], 0052C58Ch */
    .long 0x0052C58C
    mov 28(%esp), %ecx               /* site+12 */
    mov 12(%esp), %eax
    mov %eax, (%ecx)
    xor %eax, %eax
    test %edi, %edi
    setne %al
    add $16, %esp
    pop %edi
    ret
#endif
.endm

    .section .gcode, "xr"
#if defined(GAME_LAYOUT_1270)
    INN_BLOCK
    FLAG_BLOCK
    POLL_BLOCK
#else
    FLAG_BLOCK
    INN_BLOCK
    POLL_BLOCK
#endif
    .org GAME_CODE_SIZE, 0xCC

/* ---------------------------------------------------------------------- */
/* Item table: 285 records of 28 bytes; the first field points at the     */
/* name (CP932, zero-terminated) or is null.                              */
/* ---------------------------------------------------------------------- */

.macro ITEM name
    .long .Lname\@
    .fill 24, 1, 0
    .section .rdata$itemnames, "dr"
.Lname\@:
    .asciz "\name"
    .section .gtab, "dw"
.endm

.macro NO_ITEM
    .long 0
    .fill 24, 1, 0
.endm

    .section .gtab, "dw"
#if defined(GAME_LAYOUT_1400)
    .org GAME_TAB_ORG_OF_ADDRESS(GAME_POLL_SLOT)
    .globl _g_pollSlot
_g_pollSlot:
    .long 0
#endif
    .org GAME_TAB_ORG_OF_FILE(GAME_ITEM_TABLE)
    .globl _g_itemTable
_g_itemTable:
#include "item_table.inc"
    .globl _g_itemTableEnd
_g_itemTableEnd:
    .org GAME_TAB_SIZE

/* ---------------------------------------------------------------------- */
/* Game memory at fixed addresses.                                        */
/* ---------------------------------------------------------------------- */

    .section .gdata, "bw"
    .org GAME_DATA_ORG(GAME_DATE)
    .globl _g_gameDate
_g_gameDate:
    .space 12
    .org GAME_DATA_ORG(GAME_CARRIED_ITEMS)
    .globl _g_carriedItems
_g_carriedItems:
    .space 4 * GAME_CARRIED_SLOTS
#if defined(GAME_LAYOUT_1270)
    .org GAME_DATA_ORG(GAME_POLL_SLOT)
    .globl _g_pollSlot
_g_pollSlot:
    .space 4
#endif
    .org GAME_DATA_SIZE
