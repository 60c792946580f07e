// GetMFPModel and AbvPrinterCheck: what kind of device stands behind a printer, from its
// sysObjectID and, for the features, up to five objects of the maker's private MIB.
#include <cstring>
#include <string>

#include "address/vendor_oid.h"
#include "afx/afx_module.h"
#include "mirvale.h"
#include "snmpquery/query_frame.h"
#include "snmpquery/questions/question_options.h"

using mfpaddress::VendorOid;
using namespace mfpquery;

namespace {

bool ContainsAny(const char *value, std::initializer_list<const char *> families)
{
    for (const char *family : families)
        if (std::strstr(value, VendorOid(family).c_str()) != nullptr)
            return true;
    return false;
}

// The printable sysObjectID of the device, or false when it could not be asked.
bool AskSysObjectId(QueryFrame &frame, char (&value)[255])
{
    if (frame.Get(kSysObjectId) != 0)
        return false;
    frame.ReadPrintable(value, sizeof value);
    return true;
}

enum class FeatureGroup {
    SingleObject,   // feature F from one object, M always on
    TwoFeature,     // F and M each gated by their own objects
    TwoFeatureAlwaysM,  // as TwoFeature, and M is asked even when F is off
    Unknown,
};

FeatureGroup GroupOf(const char *sysObjectId)
{
    if (ContainsAny(sysObjectId, {"2.3.14"}))
        return FeatureGroup::SingleObject;
    if (ContainsAny(sysObjectId, {"2.3.15", "2.3.19", "2.3.16", "2.3.20"}))
        return FeatureGroup::TwoFeature;
    if (ContainsAny(sysObjectId, {"2.3.17"}))
        return FeatureGroup::TwoFeatureAlwaysM;
    if (ContainsAny(sysObjectId, {"2.3.18", "2.3.32", "2.3.22", "2.3.28", "2.3.29"}))
        return FeatureGroup::SingleObject;
    if (ContainsAny(sysObjectId, {"2.3.26", "2.3.27", "2.3.25", "2.3.33", "2.3.34"}))
        return FeatureGroup::TwoFeature;
    return FeatureGroup::Unknown;
}

// One feature object read as an integer; nothing when the request failed. A value that is not
// an integer reads as 0.
struct FeatureAnswer {
    bool answered;
    int value;
};

FeatureAnswer AskFeature(QueryFrame &frame, const char *column)
{
    const std::string oid = VendorOid(std::string("2.3.50.1.2.4.1.") + column + ".1.1");
    if (frame.Get(oid.c_str()) != 0)
        return {false, 0};
    int value = 0;
    frame.ReadInt(value);
    return {true, value};
}

// F from object 11: on when it is 3, and when it cannot be read.
bool FeatureF(QueryFrame &frame)
{
    const FeatureAnswer answer = AskFeature(frame, "11");
    return !answer.answered || answer.value == 3;
}

// M from object 12 (on when 3 or unreadable), else from object 34 (on when above 0 or unreadable).
bool FeatureM(QueryFrame &frame)
{
    const FeatureAnswer answer = AskFeature(frame, "12");
    if (!answer.answered || answer.value == 3)
        return true;
    const FeatureAnswer fallback = AskFeature(frame, "34");
    return !fallback.answered || fallback.value > 0;
}

struct Features {
    bool f = true;
    bool m = true;
};

Features AskTwoFeatures(QueryFrame &frame, bool alwaysAskM)
{
    Features features;
    bool askFLater = false;
    const FeatureAnswer gate = AskFeature(frame, "30");
    if (gate.answered && gate.value == 3) {
        askFLater = true;
    } else if (gate.answered) {
        const FeatureAnswer count = AskFeature(frame, "33");
        if (count.answered && count.value > 0) {
            askFLater = true;
        } else if (count.answered) {
            features.f = false;
            features.m = false;
        }
    }
    if (askFLater || alwaysAskM)
        features.m = FeatureM(frame);
    if (askFLater)
        features.f = FeatureF(frame);
    return features;
}

Features AskFeatures(QueryFrame &frame)
{
    char sysObjectId[255];
    if (!AskSysObjectId(frame, sysObjectId))
        return {};
    switch (GroupOf(sysObjectId)) {
    case FeatureGroup::SingleObject: return {FeatureF(frame), true};
    case FeatureGroup::TwoFeature: return AskTwoFeatures(frame, false);
    case FeatureGroup::TwoFeatureAlwaysM: return AskTwoFeatures(frame, true);
    case FeatureGroup::Unknown: return {};
    }
    return {};
}

}  // namespace

MIRVALE_API int GetMFPModel(char *printerName, char *brandCode, HANDLE printer)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    QueryFrame frame(QuestionOptions(FrameQuestion::GetMFPModel));
    if (frame.Open(printerName, brandCode, printer) != FrameStatus::Ready)
        return 0;
    char sysObjectId[255];
    if (!AskSysObjectId(frame, sysObjectId))
        return 0;
    return ContainsAny(sysObjectId, {"2.3.14", "2.3.15", "2.3.16"}) ? 1 : 0;
}

MIRVALE_API void AbvPrinterCheck(char *printerName, char *brandCode, char *featureCode, HANDLE printer)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    Features features;
    {
        QueryFrame frame(QuestionOptions(FrameQuestion::AbvPrinterCheck));
        if (frame.Open(printerName, brandCode, printer) == FrameStatus::Ready)
            features = AskFeatures(frame);
    }
    if (featureCode == nullptr)
        return;
    const char code[5] = {'f', features.f ? 't' : 'f', 'm', features.m ? 't' : 'f', '\0'};
    std::memcpy(featureCode, code, sizeof code);
}
