# Cuts a large level into small ones, one around each object that carries a script (a story
# room, an enemy, a checkpoint...), so that the fuzz targets start from inputs a few kilobytes
# long and still reach every script's set-up and update:
#   awk -v out=<folder> -v components="<type names>" -v lookups=<file> -f room_seeds.awk <level>
# lookups holds "<component type> <object name>" lines: the names each component's code looks
# for. Each cut holds the level's header and end line, the objects the player and the game
# controller look for, the script's object and those its components look for, the furnished
# objects near it, and only the floor and wall pieces right beside it: more of those adds bulk
# and no new paths. Each cut is named for its script's object; the component types the cuts
# hold are printed, one a line.
BEGIN {
    FS = "\n"
    split(components, list, " ")
    for (i in list)
        isComponent[list[i]] = 1
    split("Transform Sprite Collider Rigidbody", list, " ")
    for (i in list)
        isPlain[list[i]] = 1
    split("Transform Sprite Collider Rigidbody LightSource Audio", list, " ")
    for (i in list)
        isCommon[list[i]] = 1
    near = 25    # furnished objects this close to the script go with it
    beside = 4   # floor and wall pieces this close too
    while ((getline line < lookups) > 0) {
        split(line, w, " ")
        wanted[w[1], w[2]] = 1
    }
    close(lookups)
    RS = ""
}

FNR == 1 { header = $0; next }
$1 ~ /^\// { footer = $0; next }
{
    n++
    record[n] = $0
    name[n] = $1
    stem[n] = $1
    sub(/[0-9]+$/, "", stem[n])
    root[n] = $1
    sub(/[0-9-]+$/, "", root[n])
    x[n] = 0
    y[n] = 0
    # Floors, walls and path tiles that hold nothing but the plain components.
    bulk[n] = ($2 == 2 || $2 == 11 || $2 == 12)
    script[n] = 0
    holds[n] = ""
    placed = 0
    for (i = 4; i <= NF; i++) {
        if ($i == "Position" && !placed) {
            split($(i + 1), p, " ")
            x[n] = p[1] + 0
            y[n] = p[2] + 0
            placed = 1
        }
        if ($i in isComponent) {
            holds[n] = holds[n] " " $i
            if (!($i in isPlain))
                bulk[n] = 0
            if (!($i in isCommon))
                script[n] = 1
        }
    }
}

# Marks in take[] the objects the components of record k look for: by their names, or by a
# name with numbers added (the code counts through "Switch" 1, 2, 3... or "Puzzle" 1-1, 1-2...).
function lookFor(k,    held, c, j) {
    split(holds[k], held, " ")
    for (c in held)
        for (j = 1; j <= n; j++)
            if (((held[c], name[j]) in wanted) || ((held[c], stem[j]) in wanted) || ((held[c], root[j]) in wanted))
                take[j] = 1
}

END {
    # Everyone's: the camera, the player, the game controller and what those two look for
    # (their dialogue boxes, sounds, torch...), but not another script: it has its own cut.
    for (j = 1; j <= n; j++) {
        if (name[j] == "Camera" || holds[j] ~ / (PlayerBehaviour|GameController)( |$)/) {
            shared[j] = 1
            delete take
            lookFor(j)
            for (k in take)
                if (!script[k] || k == j)
                    shared[k] = 1
        }
    }
    for (i = 1; i <= n; i++) {
        if (!script[i] || (i in shared))
            continue
        delete take
        lookFor(i)
        file = out "/" name[i]
        print header "\n" > file
        for (j = 1; j <= n; j++) {
            d2 = (x[j] - x[i]) ^ 2 + (y[j] - y[i]) ^ 2
            if ((j in shared) || j == i || (j in take) || (!bulk[j] && d2 <= near * near) ||
                (bulk[j] && d2 <= beside * beside)) {
                print record[j] "\n" > file
                split(holds[j], held, " ")
                for (c in held)
                    seen[held[c]] = 1
            }
        }
        print footer > file
        close(file)
    }
    for (c in seen)
        print c
}
