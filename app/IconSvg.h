#pragma once

#include <QByteArray>
#include <QImage>

// The image as an SVG of its pixels: each horizontal run of one colour is a <rect> in a viewBox
// of the image's size, drawn with crisp edges, so that the drawing scales without blurring.
// Fully transparent pixels are left out.
QByteArray IconSvg(const QImage &image);
