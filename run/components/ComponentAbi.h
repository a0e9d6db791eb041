/* The component interface: how a component library and the player talk. A component is an ELF
 * shared library named *.ocx that includes only this header; it never links to the player.
 *
 * Versioning. PC_ABI_MAJOR changes only when something here changes meaning; a library built
 * for another major version is refused. PC_ABI_MINOR grows when entries are appended: every
 * table starts with its size in bytes, new members only ever go at the end, and each side
 * uses a member only when the other side's table is long enough to hold it. So a library built
 * for an older minor version keeps loading, and a newer library works with an older player
 * for what that player offers.
 *
 * Safety. The host hands out no pointers to its own objects: a component sees only handles
 * (numbers) and the function tables below, and every call checks its handles and sizes. Strings
 * are UTF-8 with an explicit length. A value a callee returns is written through the host's
 * `value_set_*` functions, so memory never crosses from one allocator to the other.
 *
 * Exports of a component library (all with C linkage):
 *   uint32_t PlayerComponentAbiVersion(void);        (PC_ABI_MAJOR << 16) | PC_ABI_MINOR
 *   int32_t  DllRegisterServer(const pc_registrar*); registers the library's ProgIDs
 *   int32_t  DllUnregisterServer(const pc_registrar*);
 *   int32_t  DllGetClassObject(const char* progId, uint32_t progIdLength, const pc_host* host,
 *                              pc_handle container, pc_object** created);
 *                                                    creates one object of a ProgID
 *   int32_t  DllCanUnloadNow(void);                  0 (PC_OK) when no object is alive
 * Every int32_t result is PC_OK (0) on success, else an error number (a script sees it as the
 * error of the call).
 */
#ifndef PLAYER_COMPONENT_ABI_H
#define PLAYER_COMPONENT_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PC_ABI_MAJOR 1u
#define PC_ABI_MINOR 1u
#define PC_ABI_VERSION ((PC_ABI_MAJOR << 16) | PC_ABI_MINOR)

#define PC_OK 0
#define PC_E_NOT_FOUND 438  /* the object has no member of that name */
#define PC_E_BAD_ARGUMENT 5 /* an argument of the wrong kind or count */
#define PC_E_BAD_HANDLE 91  /* a handle that names nothing (or nothing any more) */
#define PC_E_FAILED 51      /* any other failure; the description says what */

typedef uint64_t pc_handle; /* 0 names nothing */

/* A value as scripts know them. */
typedef enum pc_kind {
    PC_EMPTY = 0,
    PC_NULL = 1,
    PC_BOOL = 2,   /* i: 0 false, anything else true */
    PC_INT = 3,    /* i: a whole number */
    PC_DOUBLE = 4, /* d */
    PC_STRING = 5, /* s, n: UTF-8 bytes and their count */
    PC_OBJECT = 6  /* h: a host object (a collection, another element) */
} pc_kind;

typedef struct pc_value {
    uint32_t kind; /* a pc_kind */
    uint32_t n;    /* PC_STRING: the byte count */
    union {
        int64_t i;
        double d;
        const char* s; /* valid for the duration of the call that hands it over */
        pc_handle h;
    } v;
} pc_value;

typedef struct pc_object pc_object;
typedef struct pc_host pc_host;

/* What a component object offers the host: late-bound members by name. Names compare without
 * regard to letter case, as scripts write them. `result` may be null when no result is wanted;
 * when it is not, the callee sets it through the host's value_set_* functions (it starts
 * PC_EMPTY). On failure a callee may set a description through host->error_set. */
typedef struct pc_object_vtbl {
    uint32_t size; /* sizeof(pc_object_vtbl) as the component was built */
    void (*add_ref)(pc_object* self);
    void (*release)(pc_object* self);
    int32_t (*get_property)(pc_object* self, const char* name, uint32_t nameLength, pc_value* result);
    int32_t (*set_property)(pc_object* self, const char* name, uint32_t nameLength, const pc_value* value);
    int32_t (*call_method)(pc_object* self, const char* name, uint32_t nameLength, const pc_value* args,
                           uint32_t argCount, pc_value* result);
    /* Draws what the object shows into 0xAARRGGBB pixels (rows `stride` pixels apart) of its
     * element's size; may be null when the object shows nothing. */
    int32_t (*draw)(pc_object* self, uint32_t* pixels, int32_t width, int32_t height, int32_t stride);

    /* Since 1.1. A short text of what the object is doing now, for the host's state report
     * (a test or a play-through reads it); may be null. */
    int32_t (*describe)(pc_object* self, pc_value* result);
} pc_object_vtbl;

struct pc_object {
    const pc_object_vtbl* vtbl;
};

/* What the host offers a component: values, events, and the container's services. `context`
 * is the host's and goes back with every call. */
struct pc_host {
    uint32_t size; /* sizeof(pc_host) as the host was built */
    pc_handle context;

    /* Results. */
    void (*value_set_empty)(pc_handle context, pc_value* out);
    void (*value_set_bool)(pc_handle context, pc_value* out, int32_t truth);
    void (*value_set_int)(pc_handle context, pc_value* out, int64_t number);
    void (*value_set_double)(pc_handle context, pc_value* out, double number);
    void (*value_set_string)(pc_handle context, pc_value* out, const char* utf8, uint32_t length);
    void (*error_set)(pc_handle context, const char* utf8, uint32_t length);

    /* Events. An event carries a parameter collection the host makes; the procedure that
     * handles the event may change its entries, and the component reads them back after
     * raise_event returns (by-reference parameters). */
    pc_handle (*params_new)(pc_handle context, uint32_t count);
    int32_t (*params_set)(pc_handle context, pc_handle params, uint32_t index, const pc_value* value);
    /* The entry's value as the handler left it; strings stay valid until params_free. */
    int32_t (*params_get)(pc_handle context, pc_handle params, uint32_t index, pc_value* out);
    void (*params_free)(pc_handle context, pc_handle params);
    int32_t (*raise_event)(pc_handle context, pc_handle source, const char* name, uint32_t nameLength,
                           pc_handle params);

    /* The container. */
    void (*property_changed)(pc_handle context, pc_handle source, const char* name, uint32_t nameLength);
    /* A timer that calls `tick(data)` on the host's thread every `intervalMs`, until stopped. */
    pc_handle (*timer_start)(pc_handle context, uint32_t intervalMs, void (*tick)(void* data), void* data);
    void (*timer_stop)(pc_handle context, pc_handle timer);
    /* Whether a key (a virtual-key code: 32 is the space bar) is held down now, or was pressed
     * since the last time this asked about it (a quick tap between two looks counts). */
    int32_t (*key_down)(pc_handle context, int32_t virtualKey);

    /* Media players of the host's mixer: a control never opens a sound device of its own.
     * Volume in hundredths of a decibel (0 full, -10000 silence), balance -10000 (left) to
     * 10000 (right). play_state: 2 while playing. */
    pc_handle (*player_new)(pc_handle context);
    void (*player_free)(pc_handle context, pc_handle player);
    int32_t (*player_open)(pc_handle context, pc_handle player, const char* pathUtf8, uint32_t length);
    int32_t (*player_play)(pc_handle context, pc_handle player, int32_t playCount);
    void (*player_stop)(pc_handle context, pc_handle player);
    void (*player_set_volume)(pc_handle context, pc_handle player, int32_t volume);
    void (*player_set_balance)(pc_handle context, pc_handle player, int32_t balance);
    int32_t (*player_play_state)(pc_handle context, pc_handle player);
    double (*player_position)(pc_handle context, pc_handle player);

    /* Since 1.1. A message box of the host, modal; `style` as scripts give MsgBox (16 critical,
     * 64 information; buttons in the low bits). Returns the button pressed (1 OK …). */
    int32_t (*message_box)(pc_handle context, const char* textUtf8, uint32_t textLength,
                           const char* titleUtf8, uint32_t titleLength, int32_t style);
    /* Since 1.1. How the host finds a file a component names (the game's folders, backslashes
     * and letter case as the game's own files): 1 a file, 2 a folder, 0 nothing there. */
    int32_t (*file_kind)(pc_handle context, const char* pathUtf8, uint32_t length);
    /* Since 1.1. Tells `event(data, what, playState)` on the host's thread when the player's
     * play state changes (what = PC_PLAYER_STATE) and when it reaches the end of its file
     * (PC_PLAYER_ENDED, after the state change); a null `event` stops telling. */
    int32_t (*player_watch)(pc_handle context, pc_handle player,
                            void (*event)(void* data, int32_t what, int32_t playState), void* data);
};

#define PC_PLAYER_STATE 1
#define PC_PLAYER_ENDED 2

/* What a registration entry is given: it names each ProgID the library creates. */
typedef struct pc_registrar {
    uint32_t size;
    pc_handle context;
    int32_t (*register_prog_id)(pc_handle context, const char* progId, uint32_t length);
} pc_registrar;

typedef uint32_t (*pc_abi_version_fn)(void);
typedef int32_t (*pc_register_fn)(const pc_registrar* registrar);
typedef int32_t (*pc_get_class_object_fn)(const char* progId, uint32_t progIdLength, const pc_host* host,
                                          pc_handle container, pc_object** created);
typedef int32_t (*pc_can_unload_fn)(void);

#ifdef __cplusplus
}
#endif

#endif /* PLAYER_COMPONENT_ABI_H */
