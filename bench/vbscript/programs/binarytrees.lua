-- Binary trees: allocate and walk many short-lived trees of objects.
local function bottomUpTree(depth)
  local node = {}
  if depth > 0 then
    node.left = bottomUpTree(depth - 1)
    node.right = bottomUpTree(depth - 1)
  else
    node.left = false
    node.right = false
  end
  return node
end

local function itemCheck(tree)
  if not tree.left then
    return 1
  else
    return 1 + itemCheck(tree.left) + itemCheck(tree.right)
  end
end

local minDepth = 4
local maxDepth = 14
local stretchDepth = maxDepth + 1
print("stretch tree of depth " .. stretchDepth .. " check: " .. itemCheck(bottomUpTree(stretchDepth)))
local longLived = bottomUpTree(maxDepth)
for depth = minDepth, maxDepth, 2 do
  local iterations = 1 << (maxDepth - depth + minDepth)
  local check = 0
  for i = 1, iterations do
    check = check + itemCheck(bottomUpTree(depth))
  end
  print(iterations .. " trees of depth " .. depth .. " check: " .. check)
end
print("long lived tree of depth " .. maxDepth .. " check: " .. itemCheck(longLived))
