#ifndef VELMAR_SERVICE_KS_API_H
#define VELMAR_SERVICE_KS_API_H
/* The calling convention between the component and the calculation service
 * "kalksrv.dll". Both sides include this header: the component to type the
 * entry points it resolves by name, the service to have its exports checked
 * against the declarations below. No Qt, valid C and C++.
 *
 * Every entry point is an undecorated C function ("extern C", the platform's
 * default C calling convention). Lengths are signed 32-bit ints. The service
 * context is pointer-sized and opaque to the component: whatever _KS_init
 * returned, passed back as the first argument of every dispatched entry point
 * and of _KS_deInit.
 *
 * Dispatched entry points (the KS_DISPATCHED list) all take
 *     (context, request block, request length, address of the answer pointer)
 * and return the answer's length. The request is a packet of the tagged
 * record stream holding an exchange record (Materialdaten); the component
 * owns it and it is valid only during the call. The answer is a packet of the
 * same kind that the service allocates and stores through the last argument;
 * the component reads it and hands it back to _KS_deleteData. A length of 0
 * or less means "no answer": the component then neither reads nor releases
 * anything. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opaque service context; null means "not initialised". */
typedef void* KsContext;
/* Handle of the loaded service library (what the loader returned). */
typedef void* KsModule;

/* ---- lifecycle --------------------------------------------------------- */

/* Creates the service context; null on failure. */
typedef KsContext (*KsInitFn)(void);
/* Releases the context. The result is not used. */
typedef int32_t (*KsDeInitFn)(KsContext context);
/* Frees an answer block that a dispatched entry point handed out. */
typedef void (*KsDeleteDataFn)(uint8_t* answer);
/* Must be exported (the component refuses a service without it) but is never
 * called by the component. */
typedef int32_t (*KsSetIniDataFn)(KsContext context, const char* iniData);

/* ---- not dispatched ---------------------------------------------------- */

/* Writes the real thickness of glass `glassNumber` to *thickness. Takes the
 * service library's module handle, not the context. Result not used. */
typedef int32_t (*KsGetGlasdickeRealFn)(KsModule module, int32_t glassNumber, double* thickness);
/* Makes the service read its article database. The four texts and the
 * number come unchanged from the host; the component passes 1 as `mode`.
 * Result not used. */
typedef int32_t (*KsReadDatabaseFn)(const char* text1, const char* text2, const char* text3,
                                    const char* text4, int32_t number, int32_t mode);

/* ---- dispatched -------------------------------------------------------- */

typedef int32_t (*KsDispatchFn)(KsContext context, const uint8_t* request, int32_t requestLength,
                                uint8_t** answer);

/* The dispatched entry points in the order the client declares them, each
 * as X(name without the "_KS_" prefix). */
#define KS_DISPATCHED(X)                                                                           \
    X(getSystems)                                                                                  \
    X(getCut)                                                                                      \
    X(getArtikel)                                                                                  \
    X(getArtikelZusatz)                                                                            \
    X(getArtikelInc)                                                                               \
    X(getGlas)                                                                                     \
    X(getColors)                                                                                   \
    X(getColorBlob)                                                                                \
    X(getGlasMaterial)                                                                             \
    X(getGlasleisten)                                                                              \
    X(getSprossen)                                                                                 \
    X(getStulp)                                                                                    \
    X(getZusatzProfilInfo)                                                                         \
    X(getKopplungen)                                                                               \
    X(getProfileTypesForCut)                                                                       \
    X(getRollkaesten)                                                                              \
    X(getRollKastenZubehoer)                                                                       \
    X(setGlas)                                                                                     \
    X(getArtikelDwgKatalog)                                                                        \
    X(getUfValue)                                                                                  \
    X(addWallProfileToAccessoryForCut)                                                             \
    X(getAufbauprofilOben)                                                                         \
    X(getAufbauprofilUnten)                                                                        \
    X(checkFluegelgroessen)                                                                        \
    X(checkBrand)                                                                                  \
    X(getMinMaxSizeForRollerShutter)                                                               \
    X(getArtikelTextForCut)                                                                        \
    X(getAusstattung)                                                                              \
    X(getOrnamente)                                                                                \
    X(addDefaultBasisProfile)                                                                      \
    X(getRollKastenFuehrungen)                                                                     \
    X(getUfForCut)

/* Optional dispatched entry points: called like those above, but a service
 * may leave them out. The component resolves them quietly and, without one,
 * does without what it answers; nothing else changes.
 *
 * _KS_getAnsichtsbreiten: the visible face widths of the element's profiles,
 *   what the component computes the window's Uw from (EN ISO 10077-1). The
 *   request is the form's own: frame in tag 60, sash 62, mullion 61,
 *   astragal 64 (0: none). The answer replaces the material list (base
 *   20000, KSP_MATERIAL) with one entry per profile asked that the service
 *   knows, in the order frame, sash, mullion, astragal:
 *     1  the article's id,     2  its construction type (11, 23, 24, 25),
 *     24 its visible face width in mm: a frame, mullion or astragal from
 *        its edge to the glass it holds itself, a sash the width it adds
 *        beyond the glass stop of the profile that holds it; 0 unknown,
 *     12 Uf in W/(m2K): of a frame, mullion or astragal with the sash of
 *        the request (as _KS_getUfValue answers it), of a sash its own.
 *   A profile the service does not know has no entry. */
#define KS_OPTIONAL(X) X(getAnsichtsbreiten)

/* One function-pointer type per dispatched entry point: Ks_getSystems_Fn ... */
#define KS_DISPATCH_TYPEDEF(name) typedef KsDispatchFn Ks_##name##_Fn;
KS_DISPATCHED(KS_DISPATCH_TYPEDEF)
KS_OPTIONAL(KS_DISPATCH_TYPEDEF)
#undef KS_DISPATCH_TYPEDEF

/* The exports as the service defines them. The component never calls these
 * declarations (it resolves the names at run time); they let the compiler
 * check the service's definitions against the convention. */
#if defined(_WIN32)
#define KS_EXPORT __declspec(dllexport)
#else
#define KS_EXPORT __attribute__((visibility("default")))
#endif

KS_EXPORT KsContext _KS_init(void);
KS_EXPORT int32_t _KS_deInit(KsContext context);
KS_EXPORT void _KS_deleteData(uint8_t* answer);
KS_EXPORT int32_t _KS_setIniData(KsContext context, const char* iniData);
KS_EXPORT int32_t _KS_getGlasdickeReal(KsModule module, int32_t glassNumber, double* thickness);
KS_EXPORT int32_t _KS_readDatabase(const char* text1, const char* text2, const char* text3,
                                   const char* text4, int32_t number, int32_t mode);
#define KS_DISPATCH_DECLARE(name)                                                                  \
    KS_EXPORT int32_t _KS_##name(KsContext context, const uint8_t* request, int32_t requestLength, \
                                 uint8_t** answer);
KS_DISPATCHED(KS_DISPATCH_DECLARE)
KS_OPTIONAL(KS_DISPATCH_DECLARE)
#undef KS_DISPATCH_DECLARE

/* ---- names ------------------------------------------------------------- */

#define KS_NAME_INIT "_KS_init"
#define KS_NAME_DEINIT "_KS_deInit"
#define KS_NAME_DELETE_DATA "_KS_deleteData"
#define KS_NAME_SET_INI_DATA "_KS_setIniData"
#define KS_NAME_GET_GLASDICKE_REAL "_KS_getGlasdickeReal"
#define KS_NAME_READ_DATABASE "_KS_readDatabase"

/* How many entry points KS_DISPATCHED lists. */
#define KS_COUNT_ONE(name) +1
enum { KS_DISPATCHED_COUNT = 0 KS_DISPATCHED(KS_COUNT_ONE) };
#undef KS_COUNT_ONE

#ifdef __cplusplus
} /* extern "C" */

/* The dispatched entry points' full names, in declaration order. */
#define KS_DISPATCH_NAME(name) "_KS_" #name,
inline constexpr const char* ksDispatchedNames[KS_DISPATCHED_COUNT] = {
    KS_DISPATCHED(KS_DISPATCH_NAME)};
#undef KS_DISPATCH_NAME
#endif

#endif /* VELMAR_SERVICE_KS_API_H */
