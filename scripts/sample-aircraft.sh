# Sourced by the screenshot scripts.
#
# sample_aircraft <Aircraft folder> makes a small FS2004 collection there for
# the hangar to show: seven aircraft of four manufacturers, each with two
# variations and a thumbnail; the DC-3's checklist page is the add-on's own,
# the Baron's reference entry names a page that is missing, and the Learjet's
# aircraft.cfg is a folder, which cannot be read. The callers install the
# player into the aircraft of $sample_with_player (paths in that folder) with
# the console program.
sample_with_player=(c172/Cessna172.air j3cub/J3Cub.air)

sample_aircraft() {
    local folder=$1 name air manufacturer title entry
    # folder, .air file, ui_manufacturer and title of the first variation, its kneeboard entry
    while IFS='|' read -r name air manufacturer title entry; do
        mkdir -p "$folder/$name/texture" "$folder/$name/texture.2"
        printf 'flight model' >"$folder/$name/$air"
        {
            printf '[fltsim.0]\r\ntitle=%s\r\nui_manufacturer=%s\r\ntexture=\r\n' "$title" "$manufacturer"
            [[ -z "$entry" ]] || printf '%s\r\n' "$entry"
            printf '[fltsim.1]\r\ntitle=%s (blue)\r\nui_manufacturer=%s\r\ntexture=2\r\n' "$title" "$manufacturer"
            printf '[General]\r\natc_type=%s\r\n' "$manufacturer"
        } >"$folder/$name/aircraft.cfg"
        convert -size 256x192 gradient:'#5b8fd0-#e8eef6' -gravity center -font DejaVu-Sans-Bold \
            -pointsize 18 -fill '#1c2a3a' -annotate +0+0 "$title" "$folder/$name/texture/thumbnail.jpg"
    done <<'END'
c172|Cessna172.air|Cessna|Cessna 172 Skyhawk|kb_checklists=c172_check
c208|C208.air|Cessna|Cessna 208 Caravan|
j3cub|J3Cub.air|Piper|Piper J-3 Cub|kb_checklists=j3_check
pa28|PA28.air|Piper|Piper PA-28 Cherokee|
dc3|DC3.air|Douglas|Douglas DC-3|kb_checklists=dc3_check
baron58|Baron58.air|Beechcraft|Beechcraft Baron 58|kb_reference=baron_ref
END
    printf '<html><body><h1>DC-3</h1><p>Before take-off: flaps up, trim set.</p></body></html>\r\n' \
        >"$folder/dc3/dc3_check.htm"

    mkdir -p "$folder/lear45/aircraft.cfg"
    printf 'flight model' >"$folder/lear45/Learjet45.air"
}
