// The packed pictures compiled into the program (see packed_picture.h): for each, its first byte
// and the byte past its last.
#pragma once

extern "C" {
extern const unsigned char pelora_banner_picture[];
extern const unsigned char pelora_banner_picture_end[];
extern const unsigned char pelora_banner_2x_picture[];
extern const unsigned char pelora_banner_2x_picture_end[];
extern const unsigned char pelora_ball_blue_picture[];
extern const unsigned char pelora_ball_blue_picture_end[];
extern const unsigned char pelora_ball_yellow_picture[];
extern const unsigned char pelora_ball_yellow_picture_end[];
extern const unsigned char pelora_icon_picture[];
extern const unsigned char pelora_icon_picture_end[];
extern const unsigned char pelora_ball_blue_50_picture[];
extern const unsigned char pelora_ball_blue_50_picture_end[];
extern const unsigned char pelora_ball_blue_100_picture[];
extern const unsigned char pelora_ball_blue_100_picture_end[];
extern const unsigned char pelora_ball_yellow_50_picture[];
extern const unsigned char pelora_ball_yellow_50_picture_end[];
extern const unsigned char pelora_ball_yellow_100_picture[];
extern const unsigned char pelora_ball_yellow_100_picture_end[];
}
