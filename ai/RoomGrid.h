#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Collider;
class GameObject;

// The tiles of one room, ordered by the row and column their names give, and the routes
// between its floor tiles. Routes are kept as a next-step table (for every goal, the tile to
// step to from every other tile) and walked out on request.
//
// A step goes to the right, left, previous-row or next-row neighbour. Every route is a
// shortest one; among equally short next steps the one nearest the goal wins, and on a tie
// the first in that neighbour order, so in open floor it is the step of a walk that always
// heads for the free neighbour nearest the goal.
class RoomGrid
{
public:
    // Beyond this many floor tiles the table would outgrow any sensible memory budget.
    static constexpr int kMaxFloorTiles = 4096;
    static constexpr int kRight = 0;
    static constexpr int kLeft = 1;
    static constexpr int kRowBefore = 2;
    static constexpr int kRowAfter = 3;

    struct Tile
    {
        std::shared_ptr<GameObject> object;
        std::shared_ptr<Collider> collider;
        int row = 0;
        int column = 0;
        int floor = -1;  // index among the floor tiles, -1 for a wall
    };

    explicit RoomGrid(std::string key);

    void Add(std::shared_ptr<GameObject> object, std::shared_ptr<Collider> collider, int row, int column);
    // Orders the tiles (dropping a second tile on the same cell), links the floor and works
    // out the routes. Walls are the tiles whose Collider is active now.
    void Build();

    const std::string& Key() const { return key; }
    const std::vector<Tile>& Tiles() const { return tiles; }
    int Width() const { return width; }
    int FloorCount() const { return static_cast<int>(floor.size()); }
    const std::shared_ptr<GameObject>& FloorTile(int index) const { return tiles[floor[index]].object; }
    // The floor neighbour in that direction (kRight...), or -1.
    int Neighbour(int index, int direction) const { return neighbours[4 * index + direction]; }

    // The floor tiles walked from one floor tile to another: the goal last, the start left
    // out. A tile's route to itself is that tile; no way at all gives an empty route.
    std::vector<int> Route(int from, int to) const;
    std::size_t TableBytes() const { return next.capacity() * sizeof(std::uint16_t); }

private:
    static constexpr std::uint16_t kNoWay = 0xFFFF;

    void LinkNeighbours();
    void BuildRoutesTo(int goal, std::vector<int>& distance, std::vector<int>& queue,
                       std::vector<std::uint8_t>& via);

    std::string key;
    std::vector<Tile> tiles;
    std::vector<int> floor;       // floor index -> tile index
    std::vector<int> neighbours;  // four per floor tile
    std::vector<float> floorX;
    std::vector<float> floorY;
    std::vector<std::uint16_t> next;  // next[goal * n + from]
    int width = 1;
};
