#pragma once

// The push buttons' pictures: icons of the program's resources (resources/curfew.rc), drawn by
// resources/make_button_pictures.py. Plain numbers, so that the resource script reads them too.
#define CURFEW_PICTURE_NEW 201
#define CURFEW_PICTURE_EDIT 202
#define CURFEW_PICTURE_DELETE 203
#define CURFEW_PICTURE_GO 204
#define CURFEW_PICTURE_POWER 205
#define CURFEW_PICTURE_GLOBE 206
#define CURFEW_PICTURE_OK 207
#define CURFEW_PICTURE_CANCEL 208
#define CURFEW_PICTURE_BACK 209
#define CURFEW_PICTURE_FORWARD 210
#define CURFEW_PICTURE_REFRESH 211
