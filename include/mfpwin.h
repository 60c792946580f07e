// The emulated Windows platform (libmfpwin.so): everything a caller of the three libraries
// needs from "the system". Include this one header; it pulls in each area.
#pragma once

#include "mfpwin/types.h"
#include "mfpwin/kernel.h"
#include "mfpwin/spooler.h"
#include "mfpwin/registry.h"
#include "mfpwin/security.h"
#include "mfpwin/rpc.h"
#include "mfpwin/codepage.h"
#include "mfpwin/module.h"
#include "mfpwin/resources.h"
#include "mfpwin/user.h"
#include "mfpwin/controls.h"
#include "mfpwin/automation.h"
