#include "snmpquery/questions/question_options.h"

#include <string>

#include "frame/module_state.h"
#include "mfpwin.h"
#include "resources/mirvale/mirvale_ids.h"

namespace mfpquery {

void ShowConnectionFailure()
{
    const std::string text = mfpframe::LoadResourceString(IDS_MIRVALE_CONNECT_FAILED);
    const std::string caption = mfpframe::LoadResourceString(IDS_MIRVALE_ERROR_CAPTION);
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

QueryFrameOptions QuestionOptions(FrameQuestion question)
{
    QueryFrameOptions options = FrameOptionsFor(question);
    options.reportConnectionFailure = ShowConnectionFailure;
    return options;
}

}  // namespace mfpquery
