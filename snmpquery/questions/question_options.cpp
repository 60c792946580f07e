#include "snmpquery/questions/question_options.h"

#include "afx/afx_string.h"
#include "mfpwin.h"
#include "resources/mirvale/mirvale_ids.h"

namespace mfpquery {

void ShowConnectionFailure()
{
    CString text;
    CString caption;
    text.LoadString(IDS_MIRVALE_CONNECT_FAILED);
    caption.LoadString(IDS_MIRVALE_ERROR_CAPTION);
    MessageBoxA(nullptr, text, caption, MB_OK);
}

QueryFrameOptions QuestionOptions(FrameQuestion question)
{
    QueryFrameOptions options = FrameOptionsFor(question);
    options.reportConnectionFailure = ShowConnectionFailure;
    return options;
}

}  // namespace mfpquery
