#!/usr/bin/env bash
# Regenerates everything in media/files/ from scratch: the spoken verdicts, the farewell,
# the intro clip and the pictures. Needs espeak-ng, ffmpeg/ffprobe and the DejaVu fonts
# (fonts-dejavu-core) for the intro title. These are only for making media; the program
# itself never needs them.
#
# Output is meant to be byte-for-byte repeatable on the same tool versions: fixed voice
# settings, fixed synth expressions, bit-exact muxing, no metadata, single-threaded x264.
set -euo pipefail
# Decimal points in printf/awk must not depend on the caller's locale.
export LC_ALL=C

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
src="$here/media"
out="$root/media/files"

for tool in espeak-ng ffmpeg ffprobe; do
  command -v "$tool" >/dev/null || { echo "make-media: $tool is missing (apt-get install espeak-ng ffmpeg)" >&2; exit 1; }
done
fontdir=/usr/share/fonts/truetype/dejavu
for f in DejaVuSerif-Bold.ttf DejaVuSerif-Italic.ttf DejaVuSans.ttf; do
  [ -f "$fontdir/$f" ] || { echo "make-media: $fontdir/$f is missing (apt-get install fonts-dejavu-core)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -rf "$out"
mkdir -p "$out"

# Common ffmpeg flags: quiet, overwrite, and no encoder/version strings or timestamps in the files.
ff=(ffmpeg -nostdin -hide_banner -loglevel error -y)
exact=(-fflags +bitexact -flags:a +bitexact -map_metadata -1)

duration() { ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1"; }
# true when $1 < $2, both decimal seconds
shorter() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# ---------------------------------------------------------------------------------------------
# Voice. A female US variant with a wide stress range sounds the most playful of the stock
# espeak voices; pitch a little above default keeps it bright.
voice=en-us+f4
pitch=58
base_speed=170
# Verdict clips must stay under 4 s; aim lower than that for the speech itself because MP3
# framing adds a few tens of milliseconds.
speech_limit=3.5

# espeak leaves ~0.3 s of silence at the end: cut it back to a short tail so the clips feel snappy.
# Then gentle compression and a limiter, since espeak's output is fairly quiet and peaky.
voice_fx="areverse,silenceremove=start_periods=1:start_threshold=-55dB,areverse,apad=pad_dur=0.12,acompressor=threshold=-20dB:ratio=3:attack=5:release=80,volume=5dB,alimiter=limit=0.95:level=false"

encode_mp3() { # in.wav out.mp3
  "${ff[@]}" -i "$1" -af "$voice_fx" -ac 1 -ar 22050 -c:a libmp3lame -b:a 40k \
    "${exact[@]}" -id3v2_version 0 "$2"
}

# speak TEXT OUT.wav: start at the normal pace and only speed up when the line is too long.
speak() {
  local text=$1 wav=$2 speed=$base_speed
  while :; do
    espeak-ng -v "$voice" -p "$pitch" -s "$speed" -w "$wav" -- "$text"
    shorter "$(duration "$wav")" "$speech_limit" && break
    speed=$((speed + 10))
    [ "$speed" -le 320 ] || { echo "make-media: cannot fit \"$text\" into ${speech_limit}s" >&2; exit 1; }
  done
  echo "$speed"
}

verdicts=(
  "You are Hot stuff"
  "You are Exotic"
  "You are Dreamy"
  "You are Loveable"
  "You are Bashful"
  "You are Studious"
  "You are Jealous"
  "You are A Pushover"
  "You are Uncontrollable"
  "You are Nasty, Try Again!"
  "You are Smoke'n Hot!"
  "You are Boring!"
  "I know I'm just a computer, but want to go out sometime?"
  "What's that smell?"
  "Let's just be friends"
  "What's your sign?"
  "Come here often?"
  "I can't take my eyes off of you!"
  "You are a big flirt"
  "If being sexy was a crime, you’d be guilty as charged"
  "You are a big tease"
  "The judges and I agree, you are a 10"
)

declare -A speeds=()
for k in "${!verdicts[@]}"; do
  speeds[$k]=$(speak "${verdicts[$k]}" "$work/R$k.wav")
  encode_mp3 "$work/R$k.wav" "$out/R$k.mp3"
  d=$(duration "$out/R$k.mp3")
  shorter "$d" 4.0 || { echo "make-media: R$k.mp3 is ${d}s, must be under 4 s" >&2; exit 1; }
done

# ---------------------------------------------------------------------------------------------
# Farewell: a quick rising bell arpeggio (C6 E6 G6) with the voice coming in just after.

# note FREQ START DECAY: one bell-ish tone (fundamental plus a soft octave), silent before START,
# with a few-millisecond attack so it does not click.
note() {
  local f=$1 s=$2 k=$3
  printf 'gte(t,%s)*(1-exp(-250*(t-%s)))*exp(-%s*(t-%s))*(sin(2*PI*%s*(t-%s))+0.25*sin(4*PI*%s*(t-%s)))' \
    "$s" "$s" "$k" "$s" "$f" "$s" "$f" "$s"
}
chime="0.22*($(note 1046.50 0 7)+$(note 1318.51 0.09 7)+$(note 1567.98 0.18 6))"

espeak-ng -v "$voice" -p 65 -s "$base_speed" -w "$work/nice.wav" -- "Nice! See you next time!"
"${ff[@]}" -f lavfi -i "aevalsrc=exprs='$chime':s=22050:d=1.2" -i "$work/nice.wav" \
  -filter_complex "[1:a]$voice_fx,adelay=280[v];[0:a][v]amix=inputs=2:duration=longest:normalize=0,alimiter=limit=0.95:level=false[a]" \
  -map "[a]" -ac 1 -ar 22050 -c:a libmp3lame -b:a 40k "${exact[@]}" -id3v2_version 0 "$out/nice.mp3"
d=$(duration "$out/nice.mp3")
shorter "$d" 3.0 || { echo "make-media: nice.mp3 is ${d}s, must be under 3 s" >&2; exit 1; }

# ---------------------------------------------------------------------------------------------
# Intro clip: "A / Pellowick / Production" fading in line by line over a slowly turning dusk
# gradient, a gold rule under the name, and a rising four-note jingle ending on a ringing chord.
clip_len=6
fps=25

# G4 C5 E5 G5, then C5+E5+G5+C6 together.
jingle="0.2*($(note 392.00 0.35 4)+$(note 523.25 0.60 4)+$(note 659.26 0.85 4)+$(note 783.99 1.10 4)"
jingle+="+$(note 523.25 1.45 1.2)+$(note 659.26 1.45 1.2)+$(note 783.99 1.45 1.2)+$(note 1046.50 1.45 1.4))"

# fade A B C D: 0 before A, ramps to 1 by B, holds until C, back to 0 by D.
fade() { printf "if(lt(t,%s),0,if(lt(t,%s),(t-%s)/(%s-%s),if(lt(t,%s),1,if(lt(t,%s),(%s-t)/(%s-%s),0))))" \
  "$1" "$2" "$1" "$2" "$1" "$3" "$4" "$4" "$4" "$3"; }

serif_b="$fontdir/DejaVuSerif-Bold.ttf"
serif_i="$fontdir/DejaVuSerif-Italic.ttf"
sans="$fontdir/DejaVuSans.ttf"

cat >"$work/intro.filter" <<EOF
gradients=s=960x540:r=$fps:d=$clip_len:n=3:c0=0x1a0830:c1=0x6a1544:c2=0x0c2a60:x0=0:y0=0:x1=960:y1=540:speed=0.015:seed=7,
format=rgb24,
vignette=angle=PI/4,
drawtext=fontfile=$serif_i:text=A:fontsize=40:fontcolor=0xF4ECFF:x=(w-text_w)/2:y=148:alpha='$(fade 0.4 1.2 4.6 5.4)',
drawtext=fontfile=$serif_b:text=Pellowick:fontsize=112:fontcolor=0xF3C451:x=(w-text_w)/2:y='206+12*max(0,1-(t-0.8))':alpha='$(fade 0.8 1.8 4.6 5.4)',
drawtext=fontfile=$serif_i:text=Production:fontsize=44:fontcolor=0xF4ECFF:x=(w-text_w)/2:y=368:alpha='$(fade 1.5 2.3 4.6 5.4)',
drawtext=fontfile=$sans:text=✦:fontsize=30:fontcolor=0xFFE7A0:x=128:y=236:alpha='$(fade 1.9 2.4 4.4 5.0)*(0.6+0.4*sin(6*t))',
drawtext=fontfile=$sans:text=✦:fontsize=22:fontcolor=0xFFE7A0:x=808:y=222:alpha='$(fade 2.1 2.6 4.4 5.0)*(0.6+0.4*sin(6*t+2))',
drawtext=fontfile=$sans:text=✦:fontsize=18:fontcolor=0xFFE7A0:x=826:y=300:alpha='$(fade 2.3 2.8 4.4 5.0)*(0.6+0.4*sin(6*t+4))',
fade=t=in:st=0:d=0.4,fade=t=out:st=5.5:d=0.5,format=yuv420p[bg];
color=c=0xF3C451:s=440x3:r=$fps:d=$clip_len,format=yuva420p,fade=t=in:st=1.3:d=0.7:alpha=1,fade=t=out:st=4.6:d=0.8:alpha=1[rule];
[bg][rule]overlay=x=(W-w)/2:y=350:format=yuv420,format=yuv420p[v];
aevalsrc=exprs='$jingle':s=44100:d=$clip_len,aecho=0.8:0.9:90|180:0.25|0.15,afade=t=out:st=4.8:d=1.2,alimiter=limit=0.9:level=false[a]
EOF

"${ff[@]}" -filter_complex_script "$work/intro.filter" -map "[v]" -map "[a]" \
  -c:v libx264 -preset slow -crf 30 -tune animation -pix_fmt yuv420p -threads 1 -g 50 \
  -c:a aac -b:a 64k -ac 1 -ar 44100 \
  -t "$clip_len" -movflags +faststart "${exact[@]}" -flags:v +bitexact \
  "$out/PellowickIntroVideo.mp4"

# ---------------------------------------------------------------------------------------------
# Pictures, and the application's icon: hand-drawn SVG sources, copied as they are.
for svg in guymeditating HotnessMeter1 HowHot PellowickUpdatedLogosmall AppIcon; do
  cp "$src/$svg.svg" "$out/$svg.svg"
done

# ---------------------------------------------------------------------------------------------
echo "media/files:"
total=0 count=0
summary() { # file [note]
  local size
  size=$(stat -c %s "$out/$1")
  total=$((total + size)) count=$((count + 1))
  printf '  %-32s %8d bytes  %s\n' "$1" "$size" "${2:-}"
}
for k in "${!verdicts[@]}"; do
  summary "R$k.mp3" "$(printf '%.2f s  (espeak speed %s)' "$(duration "$out/R$k.mp3")" "${speeds[$k]}")"
done
summary nice.mp3 "$(printf '%.2f s' "$(duration "$out/nice.mp3")")"
summary PellowickIntroVideo.mp4 "$(printf '%.2f s' "$(duration "$out/PellowickIntroVideo.mp4")")"
for svg in guymeditating HotnessMeter1 HowHot PellowickUpdatedLogosmall AppIcon; do
  summary "$svg.svg"
done
printf '  %-32s %8d bytes\n' "total ($count files)" "$total"
