// String identifiers of Tolsen's resources, shared by its resource script and its code.
#pragma once

#define IDS_TOLSEN_CAPTION 2
