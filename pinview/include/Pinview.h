/* Pinview.dll: the on-screen PIN prompt, for the host component that runs a PIN entry on the
 * reader's keypad.
 *
 * Calling order: thread A calls StartDlg or StartDlgEx, which runs the prompt window and returns
 * once the prompt has ended; other threads call OnKeyPressed for each key event and EndDlg with the
 * outcome. Every export is callable from any thread. Results: 0 done, 87 refused (the Windows error
 * code for an invalid parameter). The texts a TDlgParams points to must stay valid until EndDlg has
 * returned; the library copies the pointers, never the texts, and hands out nothing to free.
 *
 * All functions and the callback use the __stdcall convention and are exported undecorated.
 */
#ifndef PINVIEW_H
#define PINVIEW_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifndef PINVIEW_CALL
#define PINVIEW_CALL __stdcall
#endif

/* Prompt modes of StartDlg and StartDlgEx. */
#define PINVIEW_MODE_ENTER_PIN 1
#define PINVIEW_MODE_OLD_PIN 2
#define PINVIEW_MODE_NEW_PIN 5

/* Key events of OnKeyPressed. */
#define PINVIEW_KEY_MARK 1          /* one more mark */
#define PINVIEW_KEY_CLEAR 2         /* no marks */
#define PINVIEW_KEY_BACKSPACE 8     /* one mark less */
#define PINVIEW_KEY_NEW_PIN 16      /* ask for the new PIN; marks and status emptied */
#define PINVIEW_KEY_CONFIRM_PIN 17  /* ask to confirm the new PIN; marks and status emptied */

/* Outcomes of EndDlg. */
#define PINVIEW_END_CANCEL 1
#define PINVIEW_END_TIMEOUT 2
#define PINVIEW_END_PIN_OK 3
#define PINVIEW_END_PIN_ERROR 4
#define PINVIEW_END_NO_MATCH 5

#define PINVIEW_FLAG_NO_DESKTOP_SWITCH 0x1u

/* The parameter block of StartDlgEx: 76 bytes, every field 4 bytes. Size says how many bytes the
 * caller has filled, this field included; the rest counts as zero. */
typedef struct TDlgParams {
    int32_t Size;
    uint32_t Flags;            /* PINVIEW_FLAG_NO_DESKTOP_SWITCH: stay on the caller's desktop */
    const char* Texts[10];     /* Texts[k - 1] replaces text id k (1..10) when not null; Windows-1252 */
    uint32_t ExtraWidth;       /* text area width = ExtraWidth + 135, at most 600 */
    uint32_t PromptTop;        /* y of the prompt line; 0 or above 150 gives 25 */
    uint32_t MarkTop;          /* y of the mark line; 0 or above 150 gives 50 */
    uint32_t StatusTop;        /* y of the status line; 0 or above 150 gives 100 */
    const char* WinStation;    /* window station for the prompt; null: chosen automatically */
    const char* Desktop;       /* desktop for the prompt; null: the input desktop */
    uint32_t Reserved;
} TDlgParams;

/* Text ids, the index + 1 of Texts. */
#define PINVIEW_TXT_ENTER_PIN 1
#define PINVIEW_TXT_OLD_PIN 2
#define PINVIEW_TXT_NEW_PIN 3
#define PINVIEW_TXT_CONFIRM_PIN 4
#define PINVIEW_TXT_PIN_OK 5
#define PINVIEW_TXT_PIN_ERROR 6
#define PINVIEW_TXT_PIN_NO_MATCH 7
#define PINVIEW_TXT_END_CANCEL 8
#define PINVIEW_TXT_END_TIEMOUT 9
#define PINVIEW_TXT_CANCEL 10

/* Called with 1 on the prompt window's thread when the user asks to cancel. */
typedef void(PINVIEW_CALL* PromptCallback)(int32_t reason);

typedef int32_t(PINVIEW_CALL* StartDlgFunction)(int32_t mode, int32_t reserved, PromptCallback callback);
typedef int32_t(PINVIEW_CALL* StartDlgExFunction)(const TDlgParams* params, int32_t mode, int32_t reserved,
                                                  PromptCallback callback);
typedef int32_t(PINVIEW_CALL* EndDlgFunction)(int32_t outcome);
typedef int32_t(PINVIEW_CALL* OnKeyPressedFunction)(int32_t event, int32_t reserved);

int32_t PINVIEW_CALL StartDlg(int32_t mode, int32_t reserved, PromptCallback callback);
int32_t PINVIEW_CALL StartDlgEx(const TDlgParams* params, int32_t mode, int32_t reserved, PromptCallback callback);
int32_t PINVIEW_CALL EndDlg(int32_t outcome);
int32_t PINVIEW_CALL OnKeyPressed(int32_t event, int32_t reserved);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64)
#include <cstddef>
static_assert(sizeof(TDlgParams) == 76, "TDlgParams is 76 bytes");
static_assert(offsetof(TDlgParams, Flags) == 4, "Flags at 4");
static_assert(offsetof(TDlgParams, Texts) == 8, "Texts at 8");
static_assert(offsetof(TDlgParams, ExtraWidth) == 48, "ExtraWidth at 48");
static_assert(offsetof(TDlgParams, PromptTop) == 52, "PromptTop at 52");
static_assert(offsetof(TDlgParams, MarkTop) == 56, "MarkTop at 56");
static_assert(offsetof(TDlgParams, StatusTop) == 60, "StatusTop at 60");
static_assert(offsetof(TDlgParams, WinStation) == 64, "WinStation at 64");
static_assert(offsetof(TDlgParams, Desktop) == 68, "Desktop at 68");
static_assert(offsetof(TDlgParams, Reserved) == 72, "Reserved at 72");
#elif !defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64) && defined(__STDC_VERSION__) && \
    __STDC_VERSION__ >= 201112L
#include <stddef.h>
_Static_assert(sizeof(TDlgParams) == 76, "TDlgParams is 76 bytes");
_Static_assert(offsetof(TDlgParams, ExtraWidth) == 48, "ExtraWidth at 48");
_Static_assert(offsetof(TDlgParams, Reserved) == 72, "Reserved at 72");
#endif

#endif /* PINVIEW_H */
