/* The release being built and where its fixed code and data live.
   Included by C++, by the assembly of game_layout.S and by the resource
   script, so it holds preprocessor definitions only.

   Every executable has the same four leading sections, pinned by the linker
   (see CMakeLists.txt), each one starting where the previous one ends:
     .gcode  code with the fixed-offset blocks, file offset 0x400 at RVA 0x1000
     .gtab   initialised writable data: the item table (and the poll slot of 1.4.0.0)
     .gdata  zero-filled writable data: game date, carried items (and the poll slot of 1.2.7.0)
     .text   everything the compiler and the libraries bring, then their sections.
   Offsets named *_ORG are offsets inside their section. */
#pragma once

#define GAME_CODE_FILE_OFFSET 0x400

/* The version resource of each release. */
#if GAME_RELEASE == 1270
#define GAME_VERSION_MAJOR 1
#define GAME_VERSION_MINOR 2
#define GAME_VERSION_BUILD 7
#define GAME_VERSION_REVISION 0
#define GAME_VERSION_TEXT "1.2.7.0"
#elif GAME_RELEASE == 1400
#define GAME_VERSION_MAJOR 1
#define GAME_VERSION_MINOR 4
#define GAME_VERSION_BUILD 0
#define GAME_VERSION_REVISION 0
#define GAME_VERSION_TEXT "1.4.0.0"
#elif GAME_RELEASE == 1005
#define GAME_VERSION_MAJOR 1
#define GAME_VERSION_MINOR 0
#define GAME_VERSION_BUILD 0
#define GAME_VERSION_REVISION 5
#define GAME_VERSION_TEXT "1.0.0.5"
#else
#error "unknown GAME_RELEASE"
#endif

/* The layout: 1.0.0.5 shares that of 1.2.7.0. Sites and the item table are
   file offsets; slots, date and carried items are absolute addresses. */
#if GAME_RELEASE == 1400
#define GAME_LAYOUT_1400 1
#define GAME_CODE_SIZE 0xAC000  /* RVA 0x1000..0xAD000, file 0x400..0xAC400 */
#define GAME_TAB_SIZE 0x2F000   /* RVA 0xAD000..0xDC000, file 0xAC400.. */
#define GAME_DATA_SIZE 0x123000 /* RVA 0xDC000..0x1FF000, no file bytes */
#define GAME_INN_SITE 0x56DE5
#define GAME_FLAG_SITE 0x40A92
#define GAME_POLL_SITE 0xAB22A
#define GAME_ITEM_TABLE 0xD9118
#define GAME_POLL_SLOT 0x4BC224
#define GAME_CARRIED_ITEMS 0x5FE1C0
#define GAME_DATE 0x57CA90
#else
#define GAME_LAYOUT_1270 1
#define GAME_CODE_SIZE 0xB4000  /* RVA 0x1000..0xB5000, file 0x400..0xB4400 */
#define GAME_TAB_SIZE 0x2A000   /* RVA 0xB5000..0xDF000, file 0xB4400.. */
#define GAME_DATA_SIZE 0x136000 /* RVA 0xDF000..0x215000, no file bytes */
#define GAME_INN_SITE 0x6066
#define GAME_FLAG_SITE 0x9E55C
#define GAME_POLL_SITE 0xB3D12
#define GAME_ITEM_TABLE 0xDBDF0
#define GAME_POLL_SLOT 0x6145E4
#define GAME_CARRIED_ITEMS 0x58DE50
#define GAME_DATE 0x571058
#endif

#define GAME_IMAGE_BASE 0x400000
#define GAME_CODE_RVA 0x1000
#define GAME_TAB_RVA (GAME_CODE_RVA + GAME_CODE_SIZE)
#define GAME_TAB_FILE_OFFSET (GAME_CODE_FILE_OFFSET + GAME_CODE_SIZE)
#define GAME_DATA_RVA (GAME_TAB_RVA + GAME_TAB_SIZE)
#define GAME_TEXT_RVA (GAME_DATA_RVA + GAME_DATA_SIZE)

/* Offsets of the fixed places inside their sections. */
#define GAME_CODE_ORG(file_offset) ((file_offset)-GAME_CODE_FILE_OFFSET)
#define GAME_TAB_ORG_OF_FILE(file_offset) ((file_offset)-GAME_TAB_FILE_OFFSET)
#define GAME_TAB_ORG_OF_ADDRESS(address) ((address)-GAME_IMAGE_BASE - GAME_TAB_RVA)
#define GAME_DATA_ORG(address) ((address)-GAME_IMAGE_BASE - GAME_DATA_RVA)

#define GAME_ITEM_COUNT 285
#define GAME_ITEM_RECORD_SIZE 28
#define GAME_CARRIED_SLOTS 16
