/* tillbridge: starts the register maker's tools (tillxfer, tillpict), waits
 * for them and hands back their 32-bit result codes; also three small number
 * conversions. Plain C interface; the program binds the three transfer
 * exports by name at run time and never links the library.
 *
 * Texts are 8-bit byte strings; directories end with the path separator.
 * "Bytes" are unsigned 8-bit values written in decimal into command lines.
 * See bridge/README.md for the tool contract on each platform. */
#ifndef TILLBRIDGE_H
#define TILLBRIDGE_H

#include <stdint.h>

#ifdef _WIN32
#define TILLBRIDGE_CALL __stdcall
#ifdef TILLBRIDGE_BUILDING
#define TILLBRIDGE_API __declspec(dllexport)
#else
#define TILLBRIDGE_API __declspec(dllimport)
#endif
#else
#define TILLBRIDGE_CALL
#define TILLBRIDGE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The library's own code for a tool still running after the last poll. */
#define TILLBRIDGE_TIMEOUT 9999
/* Size of the command-line buffer, terminating zero included. */
#define TILLBRIDGE_COMMAND_LINE_SIZE 300

/* Starts tillxfer for one file: direction 1 sends to the register, 0
 * receives. Returns 1 when the tool started (exit_code set: the tool's
 * result, or TILLBRIDGE_TIMEOUT with the tool left running), 0 when it did
 * not start (exit_code untouched). */
TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_send_cmd_to_ecr(const char* tool_dir, uint8_t direction,
                                                            uint8_t file_number, int32_t* exit_code,
                                                            int32_t poll_count);

/* Receives a report limited to range_start..range_end; as above. */
TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_get_range_report(const char* tool_dir, uint8_t file_number,
                                                             int32_t* exit_code, int32_t poll_count,
                                                             uint8_t range_start, uint8_t range_end);

/* Starts tillpict to convert bitmap_dir + " " + bitmap_name into
 * GRAPHIC.BIN. As above, except that a failed start stores the platform's
 * error number in result_code. */
TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_send_logo_to_ecr(const char* tool_dir, const char* bitmap_dir,
                                                             const char* bitmap_name, int32_t* result_code,
                                                             int32_t poll_count);

/* b1..b4 = the bytes of value from the most significant down; returns 1. */
TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_float_to_bin_str(int32_t value, uint8_t* b1, uint8_t* b2,
                                                             uint8_t* b3, uint8_t* b4);

/* Converts the first `length` characters of text as base-16 digits, by the
 * C library's strtoul rules. Returns 0 and leaves *value untouched when
 * length > 8; otherwise stores the result and returns 1. */
TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_strhex_to_long(const char* text, uint8_t length, uint32_t* value);

/* As util_strhex_to_long, storing the low 16 bits. */
TILLBRIDGE_API int32_t TILLBRIDGE_CALL util_strhex_to_short(const char* text, uint8_t length, uint16_t* value);

/* The exports' types, for binding by name. */
typedef int32_t(TILLBRIDGE_CALL* util_send_cmd_to_ecr_fn)(const char*, uint8_t, uint8_t, int32_t*, int32_t);
typedef int32_t(TILLBRIDGE_CALL* util_get_range_report_fn)(const char*, uint8_t, int32_t*, int32_t, uint8_t,
                                                           uint8_t);
typedef int32_t(TILLBRIDGE_CALL* util_send_logo_to_ecr_fn)(const char*, const char*, const char*, int32_t*,
                                                           int32_t);
typedef int32_t(TILLBRIDGE_CALL* util_float_to_bin_str_fn)(int32_t, uint8_t*, uint8_t*, uint8_t*, uint8_t*);
typedef int32_t(TILLBRIDGE_CALL* util_strhex_to_long_fn)(const char*, uint8_t, uint32_t*);
typedef int32_t(TILLBRIDGE_CALL* util_strhex_to_short_fn)(const char*, uint8_t, uint16_t*);

#ifdef __cplusplus
}
#endif

#endif /* TILLBRIDGE_H */
