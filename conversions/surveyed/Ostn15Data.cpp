// OSTN15's two shift tables, built into the program byte for byte from the files that CMake
// found and checked (QUORVANE_OSTN15_EAST_FILE, QUORVANE_OSTN15_NORTH_FILE; see
// CMakeLists.txt). The assembler's .incbin copies them: no generated source, nothing for the
// compiler or the link-time optimiser to parse. Ostn15.cpp reads them.

// The C names of the tables, as the platform's assembler spells them (32-bit Windows puts an
// underscore before every C name).
#define QUORVANE_TEXT(x) #x
#define QUORVANE_EXPAND_TEXT(x) QUORVANE_TEXT(x)
#define QUORVANE_C_NAME(name) QUORVANE_EXPAND_TEXT(__USER_LABEL_PREFIX__) #name

// The tables go to the read-only data section; then the section the compiler was in is
// restored, for whatever it emits after them (a sanitizer's constructor, for one). COFF's
// assembler has no section stack, but the compiler has emitted nothing before them: it was
// still in the assembler's first section, .text.
// clang-format off
#if defined(_WIN32)
#define QUORVANE_READ_ONLY_DATA ".section .rdata,\"dr\"\n"
#define QUORVANE_PREVIOUS_SECTION ".text\n"
#define QUORVANE_OBJECT(name, file)                          \
    ".globl " QUORVANE_C_NAME(name) "\n"                     \
    QUORVANE_C_NAME(name) ":\n"                              \
    ".incbin \"" file "\"\n"
#elif defined(__ELF__)
#define QUORVANE_READ_ONLY_DATA ".pushsection .rodata\n"
#define QUORVANE_PREVIOUS_SECTION ".popsection\n"
#define QUORVANE_OBJECT(name, file)                          \
    ".globl " QUORVANE_C_NAME(name) "\n"                     \
    ".type " QUORVANE_C_NAME(name) ", @object\n"             \
    QUORVANE_C_NAME(name) ":\n"                              \
    ".incbin \"" file "\"\n"                                 \
    ".size " QUORVANE_C_NAME(name) ", . - " QUORVANE_C_NAME(name) "\n"
#else
#error "the shift tables are built in for ELF and Windows targets only"
#endif

asm(QUORVANE_READ_ONLY_DATA
    ".balign 64\n"
    QUORVANE_OBJECT(quorvane_ostn15_east_shifts, QUORVANE_OSTN15_EAST_FILE)
    ".balign 64\n"
    QUORVANE_OBJECT(quorvane_ostn15_north_shifts, QUORVANE_OSTN15_NORTH_FILE)
    QUORVANE_PREVIOUS_SECTION);
// clang-format on
