#include "ai/RoomGrid.h"

#include <algorithm>

#include "engine/LoggingSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

RoomGrid::RoomGrid(std::string key_) : key(std::move(key_)) {}

void RoomGrid::Add(std::shared_ptr<GameObject> object, std::shared_ptr<Collider> collider, int row, int column)
{
    Tile tile;
    tile.object = std::move(object);
    tile.collider = std::move(collider);
    tile.row = row;
    tile.column = column;
    tiles.push_back(std::move(tile));
}

void RoomGrid::Build()
{
    // The object list is re-sorted by depth as the game runs, so only the names say where a
    // tile lies.
    std::stable_sort(tiles.begin(), tiles.end(), [](const Tile& a, const Tile& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<Tile> kept;
    kept.reserve(tiles.size());
    for (Tile& tile : tiles) {
        if (!kept.empty() && kept.back().row == tile.row && kept.back().column == tile.column) {
            Framework::ReportError("Path finding: tile \"" + tile.object->name + "\" lies on the cell of \"" +
                                   kept.back().object->name + "\"; it is left out");
            continue;
        }
        kept.push_back(std::move(tile));
    }
    tiles = std::move(kept);

    width = 1;
    floor.clear();
    floorX.clear();
    floorY.clear();
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        Tile& tile = tiles[i];
        width = std::max(width, tile.column + 1);
        tile.floor = -1;
        if (tile.collider->active)
            continue;
        tile.floor = static_cast<int>(floor.size());
        floor.push_back(static_cast<int>(i));
        const std::shared_ptr<Transform> transform = tile.object->GetComponent<Transform>();
        floorX.push_back(transform ? transform->position.x : 0.0f);
        floorY.push_back(transform ? transform->position.y : 0.0f);
    }
    LinkNeighbours();

    next.clear();
    const int n = FloorCount();
    if (n > kMaxFloorTiles) {
        Framework::ReportError("Path finding: room \"" + key + "\" has " + std::to_string(n) +
                               " floor tiles, more than " + std::to_string(kMaxFloorTiles) + "; it gets no routes");
        return;
    }
    next.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), kNoWay);
    std::vector<int> distance(static_cast<std::size_t>(n));
    std::vector<int> queue(static_cast<std::size_t>(n));
    std::vector<std::uint8_t> via(static_cast<std::size_t>(n));
    for (int goal = 0; goal < n; ++goal)
        BuildRoutesTo(goal, distance, queue, via);
}

void RoomGrid::LinkNeighbours()
{
    const int n = FloorCount();
    neighbours.assign(static_cast<std::size_t>(4 * n), -1);
    // Tiles are sorted by (row, column), so a cell is found by binary search.
    const auto find = [this](int row, int column) {
        const auto it = std::lower_bound(tiles.begin(), tiles.end(), std::make_pair(row, column),
                                         [](const Tile& t, const std::pair<int, int>& cell) {
                                             return t.row != cell.first ? t.row < cell.first
                                                                        : t.column < cell.second;
                                         });
        if (it == tiles.end() || it->row != row || it->column != column)
            return -1;
        return it->floor;
    };
    for (int i = 0; i < n; ++i) {
        const Tile& tile = tiles[floor[i]];
        neighbours[4 * i + kRight] = find(tile.row, tile.column + 1);
        neighbours[4 * i + kLeft] = tile.column > 0 ? find(tile.row, tile.column - 1) : -1;
        neighbours[4 * i + kRowBefore] = tile.row > 0 ? find(tile.row - 1, tile.column) : -1;
        neighbours[4 * i + kRowAfter] = find(tile.row + 1, tile.column);
    }
}

void RoomGrid::BuildRoutesTo(int goal, std::vector<int>& distance, std::vector<int>& queue,
                             std::vector<std::uint8_t>& via)
{
    const int n = FloorCount();
    std::uint16_t* step = next.data() + static_cast<std::size_t>(goal) * static_cast<std::size_t>(n);
    std::fill(distance.begin(), distance.end(), -1);
    const float gx = floorX[goal];
    const float gy = floorY[goal];
    const auto nearness = [&](int index) {
        const float dx = floorX[index] - gx;
        const float dy = floorY[index] - gy;
        return dx * dx + dy * dy;
    };

    // Breadth first outwards from the goal: a tile's next step is a tile one step nearer.
    distance[goal] = 0;
    step[goal] = static_cast<std::uint16_t>(goal);
    int head = 0;
    int tail = 0;
    queue[tail++] = goal;
    while (head < tail) {
        const int u = queue[head++];
        for (int direction = 0; direction < 4; ++direction) {
            const int v = neighbours[4 * u + direction];
            if (v < 0)
                continue;
            // Seen from v, u lies the opposite way: right<->left, before<->after.
            const std::uint8_t order = static_cast<std::uint8_t>(direction ^ 1);
            if (distance[v] < 0) {
                distance[v] = distance[u] + 1;
                step[v] = static_cast<std::uint16_t>(u);
                via[v] = order;
                queue[tail++] = v;
            } else if (distance[v] == distance[u] + 1) {
                const float current = nearness(step[v]);
                const float candidate = nearness(u);
                if (candidate < current || (candidate == current && order < via[v])) {
                    step[v] = static_cast<std::uint16_t>(u);
                    via[v] = order;
                }
            }
        }
    }
}

std::vector<int> RoomGrid::Route(int from, int to) const
{
    std::vector<int> route;
    const int n = FloorCount();
    if (from < 0 || to < 0 || from >= n || to >= n || next.empty())
        return route;
    if (from == to) {
        route.push_back(to);
        return route;
    }
    const std::uint16_t* step = next.data() + static_cast<std::size_t>(to) * static_cast<std::size_t>(n);
    if (step[from] == kNoWay)
        return route;
    int at = from;
    // Each step is one nearer the goal, so n steps always suffice.
    for (int guard = 0; at != to && guard < n; ++guard) {
        at = step[at];
        route.push_back(at);
    }
    return route;
}
