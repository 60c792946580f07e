// String identifiers of Mirvale's resources, shared by its resource script and its code.
#pragma once

#define IDS_MIRVALE_ERROR_CAPTION 5007
#define IDS_MIRVALE_CONNECT_FAILED 5023
