// The shared-library entry of each driver library: the platform calls these once when the
// library is first loaded and before it is last unloaded.
#include "frame/win_app.h"

MFPAPI BOOL MfpModuleAttach(HINSTANCE self) { return mfpframe::AttachLibrary(self); }

MFPAPI void MfpModuleDetach(HINSTANCE self) { mfpframe::DetachLibrary(self); }
