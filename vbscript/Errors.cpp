// Error texts, the HRESULT mapping and raising script errors.
#include "Errors.h"
#include "Object.h"

#include <algorithm>
#include <cstdint>

namespace vbs {

// The numbers hosts see (Object.h) are the table's.
#define VBS_SAME_NUMBER(name) static_assert(error::name == int32_t(Err::name))
VBS_SAME_NUMBER(OutOfMemory);
VBS_SAME_NUMBER(CantPerform);
VBS_SAME_NUMBER(OutOfStack);
VBS_SAME_NUMBER(PermissionDenied);
VBS_SAME_NUMBER(ObjectRequired);
VBS_SAME_NUMBER(CantCreateObject);
VBS_SAME_NUMBER(Interrupted);
VBS_SAME_NUMBER(TimedOut);
VBS_SAME_NUMBER(InvalidCall);
VBS_SAME_NUMBER(SubscriptOutOfRange);
VBS_SAME_NUMBER(TypeMismatch);
VBS_SAME_NUMBER(NoSuchMember);
VBS_SAME_NUMBER(WrongArgCount);
#undef VBS_SAME_NUMBER

std::u16string_view errorText(int32_t number) {
    switch (number) {
#define VBS_ERROR(num, name, text)                                                                           \
    case num:                                                                                                \
        return u"" text;
#include "ErrorTable.h"
#undef VBS_ERROR
    default:
        return {};
    }
}

namespace {

// System failures an object may report, with the numbers scripts know them by.
struct HResultMapping {
    uint32_t hr;
    int32_t number;
};
constexpr HResultMapping kHResults[] = {
    {0x80004001, 445}, // not implemented
    {0x80004002, 430}, // no such interface
    {0x80020001, 438}, {0x80020003, 438}, {0x80020004, 448}, {0x80020005, 13},  {0x80020006, 438},
    {0x80020007, 446}, {0x80020008, 458}, {0x8002000A, 6},   {0x8002000B, 9},   {0x8002000C, 447},
    {0x8002000D, 10},  {0x8002000E, 450}, {0x8002000F, 449}, {0x80020011, 451}, {0x8002802F, 453},
    {0x80028CA0, 13},  {0x80028CA1, 9},   {0x80028CA2, 57},  {0x80028CA3, 322}, {0x80030002, 432},
    {0x80030003, 76},  {0x80030004, 67},  {0x80030005, 70},  {0x80030008, 7},   {0x80030012, 67},
    {0x80030013, 70},  {0x8003001D, 57},  {0x8003001E, 57},  {0x80030020, 75},  {0x80030021, 70},
    {0x80030050, 58},  {0x80030070, 61},  {0x800300FC, 53},  {0x80030100, 70},  {0x80030101, 70},
    {0x80030103, 57},  {0x80040154, 429}, {0x800401E3, 429}, {0x800401E6, 432}, {0x800401EA, 432},
    {0x800401F3, 429}, {0x800401F5, 429}, {0x800401FE, 429}, {0x80070005, 70},  {0x8007000E, 7},
    {0x80070057, 5},   {0x800706BA, 462}, {0x80080005, 429},
};

} // namespace

int32_t errorFromHResult(int32_t hr) {
    const uint32_t u = uint32_t(hr);
    if ((u & 0xFFFF0000u) == 0x800A0000u) return int32_t(u & 0xFFFFu);
    auto it = std::lower_bound(std::begin(kHResults), std::end(kHResults), u,
                               [](const HResultMapping& m, uint32_t v) { return m.hr < v; });
    return it != std::end(kHResults) && it->hr == u ? it->number : hr;
}

void throwError(Err e) {
    ScriptError err;
    err.number = int32_t(e);
    err.description = std::u16string(errorText(err.number));
    throw err;
}

void throwError(Err e, std::u16string_view detail) {
    ScriptError err;
    err.number = int32_t(e);
    err.description = std::u16string(errorText(err.number));
    err.name = std::u16string(detail);
    throw err;
}

void throwError(int32_t number, std::u16string description, std::u16string source) {
    ScriptError err;
    err.number = number;
    err.description = std::move(description);
    err.source = std::move(source);
    throw err;
}

} // namespace vbs
