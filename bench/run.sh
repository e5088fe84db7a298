#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and prints one `name: value` line per figure,
# followed by the ratios that the speed targets are stated in.
set -euo pipefail
cd "$(dirname "$0")/.."
# ImageMagick is only the batch benchmark's baseline: not needed to build or test.
./scripts/deps.sh imagemagick
build=build-bench
out=$(mktemp)
log=$(mktemp)
trap 'rm -f "$out" "$log"' EXIT
# The build's chatter would drown the figures; its errors must not be lost.
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLANE_BUILD_TESTS=OFF &&
  cmake --build "$build"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "bench/run.sh: the benchmark build failed (its output is above)" >&2
  exit 1
fi
for exe in "$build"/bench/*/bench_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  QT_QPA_PLATFORM=offscreen "$exe" "$@" | tee -a "$out"
done
# Ratios: each line `ratio_<a>_over_<b>: value` divides figure a by figure b.
awk -F': ' '
  { v[$1] = $2 }
  END {
    split("style_render_1_ms style_render_2_ms style_render_3_ms style_render_4_ms style_render_5_ms style_render_6_ms style_render_7_ms", s, " ")
    if ("memcpy_floor_ms" in v && v["memcpy_floor_ms"] > 0)
      for (i in s) if (s[i] in v) printf "ratio_%s_over_memcpy_floor: %.2f\n", s[i], v[s[i]] / v["memcpy_floor_ms"]
    if (("renderpass_ms" in v) && ("style_render_pair_ms" in v) && v["style_render_pair_ms"] > 0)
      printf "ratio_renderpass_over_style_render_pair: %.2f\n", v["renderpass_ms"] / v["style_render_pair_ms"]
    if (("reference_style2_ms" in v) && ("style_render_2_ms" in v) && v["style_render_2_ms"] > 0)
      printf "speedup_style2_over_reference: %.2f\n", v["reference_style2_ms"] / v["style_render_2_ms"]
    if (("prepare_12mp_full_decode_ms" in v) && ("prepare_12mp_ms" in v) && v["prepare_12mp_ms"] > 0)
      printf "speedup_prepare_12mp_over_full_decode: %.2f\n", v["prepare_12mp_full_decode_ms"] / v["prepare_12mp_ms"]
    if (("export_full_12mp_jpeg_ms" in v) && ("prepare_12mp_full_decode_ms" in v) && v["prepare_12mp_full_decode_ms"] > 0)
      printf "ratio_export_full_12mp_jpeg_over_prepare_12mp_full_decode: %.2f\n", v["export_full_12mp_jpeg_ms"] / v["prepare_12mp_full_decode_ms"]
    if (("move_event_reference_us" in v) && ("move_event_us" in v) && v["move_event_us"] > 0)
      printf "speedup_move_event_over_reference: %.2f\n", v["move_event_reference_us"] / v["move_event_us"]
    if (("batch_24x12mp_imagemagick_s" in v) && ("batch_24x12mp_s" in v) && v["batch_24x12mp_s"] > 0)
      printf "speedup_batch_24x12mp_over_imagemagick: %.2f\n", v["batch_24x12mp_imagemagick_s"] / v["batch_24x12mp_s"]
    if (("batch_24x12mp_png_level6_s" in v) && ("batch_24x12mp_s" in v) && v["batch_24x12mp_s"] > 0)
      printf "speedup_batch_24x12mp_fast_png_over_level6: %.2f\n", v["batch_24x12mp_png_level6_s"] / v["batch_24x12mp_s"]
    if (("resize_relayout_ms" in v) && ("repaint_desktop_ms" in v) && v["repaint_desktop_ms"] > 0)
      printf "ratio_resize_relayout_over_repaint: %.2f\n", v["resize_relayout_ms"] / v["repaint_desktop_ms"]
    if (("move_event_desktop_us" in v) && ("move_event_us" in v) && v["move_event_us"] > 0)
      printf "ratio_move_event_desktop_over_phone: %.2f\n", v["move_event_desktop_us"] / v["move_event_us"]
    if (("startup_desktop_ms" in v) && ("startup_ms" in v) && v["startup_ms"] > 0)
      printf "ratio_startup_desktop_over_phone: %.2f\n", v["startup_desktop_ms"] / v["startup_ms"]
    if (("thumbnails_12mp_ms" in v) && ("style_working_size_ms" in v) && v["style_working_size_ms"] > 0)
      printf "ratio_thumbnails_12mp_over_one_style: %.2f\n", v["thumbnails_12mp_ms"] / v["style_working_size_ms"]
    if (("undo_10000_us" in v) && ("undo_100_us" in v) && v["undo_100_us"] > 0)
      printf "ratio_undo_10000_over_undo_100: %.2f\n", v["undo_10000_us"] / v["undo_100_us"]
    if (("move_event_during_export_us" in v) && ("move_event_desktop_us" in v) && v["move_event_desktop_us"] > 0)
      printf "ratio_move_event_during_export_over_move_event_desktop: %.2f\n", v["move_event_during_export_us"] / v["move_event_desktop_us"]
    if (("stroke_commit_us" in v) && ("move_event_desktop_us" in v) && v["move_event_desktop_us"] > 0)
      printf "ratio_stroke_commit_over_move_event_desktop: %.2f\n", v["stroke_commit_us"] / v["move_event_desktop_us"]
    if (("open_document_10k_ms" in v) && ("pick_12mp_ms" in v) && ("renderpass_ms" in v))
      printf "ratio_open_document_10k_over_pick_12mp_plus_renderpass: %.2f\n", v["open_document_10k_ms"] / (v["pick_12mp_ms"] + v["renderpass_ms"])
    if (("open_to_sketch_desktop_ms" in v) && ("pick_12mp_ms" in v) && ("renderpass_ms" in v))
      printf "ratio_open_to_sketch_desktop_over_pick_12mp_plus_renderpass: %.2f\n", v["open_to_sketch_desktop_ms"] / (v["pick_12mp_ms"] + v["renderpass_ms"])
    if (("save_document_ms" in v) && ("save_album_png_ms" in v) && v["save_album_png_ms"] > 0)
      printf "ratio_save_document_over_save_album_png: %.2f\n", v["save_document_ms"] / v["save_album_png_ms"]
    if (("timelapse_10s_1080p_s" in v) && ("timelapse_encoder_only_s" in v) && v["timelapse_encoder_only_s"] > 0)
      printf "ratio_timelapse_10s_1080p_over_encoder_only: %.2f\n", v["timelapse_10s_1080p_s"] / v["timelapse_encoder_only_s"]
    # The encoder's share on the real frames (all but the frames' own painting), over the same still-frame yardstick.
    if (("timelapse_10s_1080p_s" in v) && ("timelapse_frames_only_s" in v) && ("timelapse_encoder_only_s" in v) && v["timelapse_encoder_only_s"] > 0)
      printf "ratio_timelapse_encoding_share_over_encoder_only: %.2f\n", (v["timelapse_10s_1080p_s"] - v["timelapse_frames_only_s"]) / v["timelapse_encoder_only_s"]
    # A deep undo (milliseconds) against a near-top one (microseconds).
    if (("undo_deep_2000_ms" in v) && ("undo_100_us" in v) && v["undo_100_us"] > 0)
      printf "ratio_undo_deep_2000_over_undo_100: %.2f\n", v["undo_deep_2000_ms"] * 1000 / v["undo_100_us"]
  }' "$out"
