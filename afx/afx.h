// The class library stand-in: include this one header.
#pragma once

#include "afx_app.h"
#include "afx_controls.h"
#include "afx_data_exchange.h"
#include "afx_dialog.h"
#include "afx_module.h"
#include "afx_string.h"
#include "afx_thread.h"
#include "afx_time.h"
#include "afx_window.h"
